#include "detector_answer_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// The button ids of a detector's three choices.
constexpr int kNotChecked = 0;
constexpr int kUp = 1;
constexpr int kDown = 2;

int choiceId(const std::optional<FloatPosition>& position)
{
    if (!position) return kNotChecked;
    return *position == FloatPosition::up ? kUp : kDown;
}

std::optional<FloatPosition> positionOf(const QButtonGroup& group)
{
    switch (group.checkedId()) {
    case kUp: return FloatPosition::up;
    case kDown: return FloatPosition::down;
    default: return std::nullopt;
    }
}

}  // namespace

DetectorAnswerDialog::DetectorAnswerDialog(QWidget* parent, const DetectorQuestion& question)
    : QDialog(parent), kept_(question.current)
{
    setObjectName(u"detectorAnswerDialog"_s);
    setWindowTitle(u"What the detectors showed"_s);
    setFont(windowFont(12));

    auto* introduction = new QLabel(
        u"After the irrigation, look at each detector's float: UP means the wetting front "
        "reached the detector, DOWN that it did not. From what they showed, Morvane works out "
        "the soil water deficit before this irrigation."_s,
        this);
    introduction->setTextFormat(Qt::PlainText);
    introduction->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(introduction);

    shallow_ = addDetector(*layout, Detector::shallow, question.shallowDepthText,
                           question.current.shallow);
    if (question.deepDepthText)
        deep_ = addDetector(*layout, Detector::deep, *question.deepDepthText, question.current.deep);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QButtonGroup* DetectorAnswerDialog::addDetector(QVBoxLayout& layout, Detector detector,
                                                const QString& depthText,
                                                const std::optional<FloatPosition>& current)
{
    const bool shallow = detector == Detector::shallow;
    auto* box = new QGroupBox(
        (shallow ? u"Shallow detector ("_s : u"Deep detector ("_s) + depthText + u" mm)"_s, this);
    box->setObjectName(shallow ? u"shallowShowed"_s : u"deepShowed"_s);
    auto* group = new QButtonGroup(box);
    auto* row = new QHBoxLayout(box);
    const std::pair<int, QString> choices[] = {{kNotChecked, u"Not checked"_s},
                                               {kUp, u"UP: it responded"_s},
                                               {kDown, u"DOWN: it did not respond"_s}};
    for (const auto& [id, text] : choices) {
        auto* button = new QRadioButton(text, box);
        group->addButton(button, id);
        row->addWidget(button);
    }
    group->button(choiceId(current))->setChecked(true);
    layout.addWidget(box);
    return group;
}

DetectorsShowed DetectorAnswerDialog::showed() const
{
    DetectorsShowed showed = kept_;
    showed.shallow = positionOf(*shallow_);
    if (deep_ != nullptr) showed.deep = positionOf(*deep_);
    return showed;
}

QRadioButton* DetectorAnswerDialog::choice(Detector detector,
                                           std::optional<FloatPosition> position) const
{
    const QButtonGroup* group = detector == Detector::shallow ? shallow_ : deep_;
    return group != nullptr ? qobject_cast<QRadioButton*>(group->button(choiceId(position)))
                            : nullptr;
}

}  // namespace morvane
