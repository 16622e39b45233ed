#include "soils_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "localised_number_text.h"
#include "soil_slot_editor.h"
#include "window_font.h"

using namespace Qt::StringLiterals;

namespace morvane {

SoilsDialog::SoilsDialog(QWidget* parent, const WindowSoils& current) : QDialog(parent)
{
    setObjectName(u"soilsDialog"_s);
    setWindowTitle(u"Soils"_s);
    setFont(windowFont(12));

    auto* introduction = new QLabel(
        u"Each slot takes a soil of your own: four volumetric water contents, as fractions of "
        "the soil's volume ("_s + localisedNumberText(u"0.2"_s) +
            u" is 20 %), with 0 < wilting point < field capacity < detection water content < "
            "upper water content < 1. The name is shown above the soil's chart."_s,
        this);
    introduction->setTextFormat(Qt::PlainText);
    introduction->setWordWrap(true);

    light_ = new SoilSlotEditor(SoilSlot::light, this);
    heavy_ = new SoilSlotEditor(SoilSlot::heavy, this);
    light_->showSoil(current.light);
    heavy_->showSoil(current.heavy);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    builtIn_ = buttons->addButton(u"Built-in soils"_s, QDialogButtonBox::ResetRole);
    builtIn_->setObjectName(u"builtInSoils"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(builtIn_, &QPushButton::clicked, this, [this] {
        light_->showSoil(std::nullopt);
        heavy_->showSoil(std::nullopt);
    });
    const auto enableOk = [this] { ok_->setEnabled(light_->isValid() && heavy_->isValid()); };
    connect(light_, &SoilSlotEditor::edited, this, enableOk);
    connect(heavy_, &SoilSlotEditor::edited, this, enableOk);
    enableOk();

    auto* slotRow = new QHBoxLayout;
    slotRow->addWidget(light_, 1, Qt::AlignTop);
    slotRow->addWidget(heavy_, 1, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(introduction);
    layout->addLayout(slotRow);
    layout->addWidget(buttons);
}

WindowSoils SoilsDialog::soils() const { return {light_->soil(), heavy_->soil()}; }

}  // namespace morvane
