#include "soil_slot_editor.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "colours.h"
#include "format_number.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

struct ValueField {
    QString caption;
    QString meaning;
};

ValueField valueField(SoilValue value)
{
    switch (value) {
    case SoilValue::fieldCapacity:
        return {u"Field capacity (m³/m³)"_s, u"the water content once the soil has drained freely"_s};
    case SoilValue::wiltingPoint:
        return {u"Wilting point (m³/m³)"_s, u"the water content at which plants can take up no more"_s};
    case SoilValue::detectionContent:
        return {u"Detection water content (m³/m³)"_s,
                u"the water content at which a buried detector responds"_s};
    case SoilValue::upperContent:
        break;
    }
    return {u"Upper water content (m³/m³)"_s, u"the wettest the soil gets after an irrigation"_s};
}

const QString kNameMeaning = u"optional; shown above the soil's chart, at most "_s +
                             QString::number(kSoilNameMaximumLength) + u" characters"_s;

QString slotTitle(SoilSlot slot) { return slot == SoilSlot::light ? u"Light slot"_s : u"Heavy slot"_s; }

QString builtInText(double value) { return QString::fromStdString(formatGeneral(value)); }

QLabel* smallLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(windowFont(11));
    label->setWordWrap(true);
    return label;
}

QLabel* problemLabel(QWidget* parent)
{
    QLabel* label = smallLabel(QString(), parent);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colours::maroon);
    label->setPalette(colours);
    label->hide();
    return label;
}

}  // namespace

SoilSlotEditor::SoilSlotEditor(SoilSlot slot, QWidget* parent)
    : QGroupBox(slotTitle(slot), parent), slot_(slot)
{
    const bool light = slot == SoilSlot::light;
    setObjectName(light ? u"lightSlot"_s : u"heavySlot"_s);
    auto* grid = new QGridLayout(this);
    int row = 0;
    // `beside` empty: the edit takes the row's last column too.
    const auto addField = [&](const QString& caption, QLineEdit* edit, const QString& beside,
                              const QString& meaning, QLabel* problem) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        edit->setAccessibleName(slotTitle(slot) + u", "_s + caption);
        edit->setAccessibleDescription(meaning);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1, 1, beside.isEmpty() ? 2 : 1);
        if (!beside.isEmpty())
            grid->addWidget(smallLabel(beside, this), row, 2);
        ++row;
        grid->addWidget(smallLabel(meaning, this), row++, 0, 1, 3);
        grid->addWidget(problem, row++, 0, 1, 3);
    };

    name_ = new QLineEdit(this);
    name_->setObjectName(objectName() + u"Name"_s);
    name_->setMaxLength(static_cast<int>(kSoilNameMaximumLength));
    nameProblem_ = problemLabel(this);
    addField(u"Name"_s, name_, QString(), kNameMeaning, nameProblem_);

    const SoilRecord& builtIn = builtInSoil(slot);
    for (const SoilValue value : kSoilValues) {
        const auto i = static_cast<std::size_t>(value);
        const ValueField field = valueField(value);
        values_[i] = new QLineEdit(this);
        values_[i]->setObjectName(objectName() + QString::number(i));
        problems_[i] = problemLabel(this);
        meanings_[i] = field.meaning;
        addField(field.caption, values_[i], u"built-in "_s + builtInText(soilValue(builtIn, value)),
                 field.meaning, problems_[i]);
    }
    grid->setColumnStretch(1, 1);

    for (QLineEdit* edit : values_)
        connect(edit, &QLineEdit::textChanged, this, &SoilSlotEditor::check);
    connect(name_, &QLineEdit::textChanged, this, &SoilSlotEditor::check);
    showSoil(std::nullopt);
}

void SoilSlotEditor::showSoil(const std::optional<OwnSoil>& soil)
{
    name_->setText(soil ? soil->name : QString());
    for (const SoilValue value : kSoilValues) {
        const auto i = static_cast<std::size_t>(value);
        values_[i]->setText(soil ? typedValueText(soil->valueTexts[i])
                                 : builtInText(soilValue(builtInSoil(slot_), value)));
    }
    check();
}

void SoilSlotEditor::showProblem(QLineEdit* edit, QLabel* problem, const QString& meaning,
                                 const QString& text)
{
    // "the wilting point must be below ..." reads as a sentence of its own.
    const QString sentence = text.isEmpty() ? QString() : text.left(1).toUpper() + text.mid(1) + u'.';
    problem->setText(sentence);
    problem->setVisible(!text.isEmpty());
    edit->setAccessibleDescription(text.isEmpty() ? meaning : sentence);
}

void SoilSlotEditor::check()
{
    std::array<std::string, kSoilValueCount> texts;
    for (std::size_t i = 0; i < kSoilValueCount; ++i)
        texts[i] = values_[i]->text().toStdString();
    const SoilReading reading = readSoilValues({texts[0], texts[1], texts[2], texts[3]});
    std::array<QString, kSoilValueCount> told;
    for (const SoilProblem& problem : reading.problems)
        if (problem.value)
            told[static_cast<std::size_t>(*problem.value)] = QString::fromStdString(problem.detail);
    for (std::size_t i = 0; i < kSoilValueCount; ++i)
        showProblem(values_[i], problems_[i], meanings_[i], told[i]);

    const auto nameProblem = soilNameProblem(name_->text().trimmed().toStdString());
    showProblem(name_, nameProblem_, kNameMeaning,
                nameProblem ? QString::fromStdString(*nameProblem) : QString());

    record_ = reading.soil;
    valid_ = reading.soil.has_value() && !nameProblem;
    emit edited();
}

std::optional<OwnSoil> SoilSlotEditor::soil() const
{
    const QString name = name_->text().trimmed();
    if (!valid_ || (name.isEmpty() && *record_ == builtInSoil(slot_)))
        return std::nullopt;
    OwnSoil soil{name, {}, *record_};
    for (std::size_t i = 0; i < kSoilValueCount; ++i)
        soil.valueTexts[i] = portableValueText(values_[i]->text());
    return soil;
}

}  // namespace morvane
