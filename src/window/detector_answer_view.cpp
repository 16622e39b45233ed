#include "detector_answer_view.h"

#include <QAccessible>
#include <QPainter>

#include "colours.h"
#include "detector_answer.h"
#include "detector_answer_sentences.h"
#include "detector_depth.h"
#include "failures.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// Under the legend's frame, beside the detector's photograph, down to the
// window's bottom edge: empty cream in the window without an answer.
constexpr QRect kArea(424, 412, 289, 212);
constexpr int kParagraphGap = 4;
constexpr int kLargestPixelSize = 11;
constexpr int kSmallestPixelSize = 7;

const QString kTitle = u"What the detectors showed"_s;

QString positionText(FloatPosition position)
{
    return position == FloatPosition::up ? u"UP"_s : u"DOWN"_s;
}

// "Shallow detector (165 mm) UP, deep detector (335 mm) DOWN."
QString showedText(const DetectorsShowed& showed, const SoilResults& soil)
{
    QStringList parts;
    if (showed.shallow)
        parts.append(u"shallow detector ("_s + QString::fromStdString(*soil.shallowDetectorText) +
                     u" mm) "_s + positionText(*showed.shallow));
    if (showed.deep)
        parts.append(u"deep detector ("_s + QString::fromStdString(*soil.deepDetectorText) +
                     u" mm) "_s + positionText(*showed.deep));
    QString text = parts.join(u", "_s) + u'.';
    text[0] = text[0].toUpper();
    return text;
}

// As drawn: a number keeps its unit on its line ("55.8 mm").
QString drawnText(QString text) { return text.replace(u" mm"_s, u"\u00a0mm"_s); }

QRect textBounds(const QFontMetrics& metrics, int width, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, drawnText(text));
}

}  // namespace

DetectorAnswerView::DetectorAnswerView(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"detectorAnswer"_s);
    setAccessibleName(kTitle);
    setGeometry(kArea);
    hide();
}

void DetectorAnswerView::showRun(const ModelResults& results, const QString& lightCaption,
                                 const QString& heavyCaption)
{
    run_ = results;
    lightCaption_ = lightCaption;
    heavyCaption_ = heavyCaption;
    refresh();
}

void DetectorAnswerView::setShowed(const DetectorsShowed& showed)
{
    showed_ = showed;
    refresh();
}

std::optional<DetectorQuestion> DetectorAnswerView::question() const
{
    if (!run_) return std::nullopt;
    DetectorQuestion question;
    question.shallowDepthText = QString::fromStdString(run_->light.shallowDetectorText.value());
    if (*run_->rootZone >= kDeepDetectorMinimumRootZone)
        question.deepDepthText = QString::fromStdString(run_->light.deepDetectorText.value());
    question.current = showed_;
    return question;
}

std::vector<DetectorAnswerView::Paragraph> DetectorAnswerView::answerParagraphs() const
{
    if (!run_) return {};
    // The deep detector counts only where it is shown.
    DetectorsShowed counted = showed_;
    if (*run_->rootZone < kDeepDetectorMinimumRootZone) counted.deep.reset();
    if (!counted.anyChecked()) return {};

    std::vector<Paragraph> paragraphs{{kTitle, showedText(counted, run_->light), kTitle}};
    try {
        const DetectorAnswer answer = detectorAnswer(*run_, counted);
        for (const auto& [caption, soil] : {std::pair(lightCaption_, &answer.light),
                                            std::pair(heavyCaption_, &answer.heavy)})
            paragraphs.push_back(
                {caption, QString::fromStdString(detectorAnswerSentence(*soil, answer.estimateText)),
                 caption + u", detectors' answer"_s});
    } catch (const Exception& failure) {
        paragraphs.push_back({u"No answer"_s,
                              QString::fromStdString(withClosingPeriod(failure.message())),
                              u"Detectors' answer"_s});
    }
    return paragraphs;
}

int DetectorAnswerView::heightAt(int pixelSize) const
{
    const QFontMetrics heading(windowFont(pixelSize, true)), text(windowFont(pixelSize));
    int height = 0;
    for (const Paragraph& paragraph : paragraphs_)
        height += textBounds(heading, width(), paragraph.heading).height() +
                  textBounds(text, width(), paragraph.text).height() + kParagraphGap;
    return height - kParagraphGap;
}

void DetectorAnswerView::refresh()
{
    paragraphs_ = answerParagraphs();
    if (paragraphs_.empty()) {
        hide();
        setAccessibleDescription(QString());
        return;
    }
    pixelSize_ = kLargestPixelSize;
    while (pixelSize_ > kSmallestPixelSize && heightAt(pixelSize_) > kArea.height()) --pixelSize_;
    resize(kArea.width(), heightAt(pixelSize_));
    show();
    update();

    QStringList spoken;
    for (const Paragraph& paragraph : paragraphs_) spoken.append(paragraph.heading + u": "_s + paragraph.text);
    const QString description = spoken.join(u' ');
    if (description == accessibleDescription()) return;
    setAccessibleDescription(description);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

std::vector<std::pair<QString, QString>> DetectorAnswerView::reportItems() const
{
    std::vector<std::pair<QString, QString>> items;
    if (isHidden()) return items;
    for (const Paragraph& paragraph : paragraphs_)
        items.emplace_back(paragraph.reportName, paragraph.text);
    return items;
}

void DetectorAnswerView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colours::cream);
    painter.setPen(colours::windowText);
    const QFont headingFont = windowFont(pixelSize_, true), textFont = windowFont(pixelSize_);
    int top = 0;
    for (const Paragraph& paragraph : paragraphs_) {
        for (const auto& [font, text] : {std::pair(&headingFont, &paragraph.heading),
                                         std::pair(&textFont, &paragraph.text)}) {
            painter.setFont(*font);
            const QRect bounds = textBounds(painter.fontMetrics(), width(), *text);
            painter.drawText(QRect(0, top, width(), bounds.height()),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, drawnText(*text));
            top += bounds.height();
        }
        top += kParagraphGap;
    }
}

}  // namespace morvane
