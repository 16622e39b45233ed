#pragma once
// One soil's detector answer (detector_answer.h) in words, for the window and
// the web page. Pure: the text depends only on the answer, the estimate's
// text and the decimal separator in force.
//
// Range ends are written with the fixed format to one decimal, with the
// active decimal separator; the estimate is the deficit text as the window
// shows it. A range with a lower end of 0 reads "at most", one with no upper
// end "at least". The light soil with the default inputs, shallow UP and deep DOWN:
//   "Your detectors say the deficit before this irrigation was between 17.3 and
//    55.8 mm (you estimated 25 mm): the crop used 3.5 to 11.2 mm a day."
// The same with the decimal separator ",": "... between 17,3 and 55,8 mm ..."
// An estimate below the range, or above it:
//   "... between 17.3 and 55.8 mm (you estimated 10 mm, less than that): ..."
//   "... at most 17.3 mm (you estimated 25 mm, more than that): the crop used
//    at most 3.5 mm a day."
// No upper end (both detectors DOWN):
//   "... was at least 55.8 mm (you estimated 25 mm, less than that): the crop
//    used at least 11.2 mm a day."
// No daily use (days not positive): the sentence ends after the bracket.
// An answer that contradicts the model:
//   "What your detectors showed contradicts the model: no deficit before this
//    irrigation gives that answer. A detector may be faulty or badly installed."

#include <optional>
#include <string>
#include <string_view>

#include "detector_answer.h"

namespace morvane {

std::string detectorAnswerSentence(const std::optional<SoilAnswer>& answer,
                                   std::string_view estimateText);

}  // namespace morvane
