#pragma once
// The fields of one soil slot in the Soils dialog: an optional name and the
// four water contents, each labelled with its meaning and unit, with the
// built-in soil's value beside it. Numbers are typed with the active decimal
// separator. Whatever keeps the fields from making a valid soil is told in
// place, under the field it is about (and in the field's accessible
// description), as the user types.

#include <QGroupBox>

#include <array>
#include <optional>

#include "own_soil.h"

class QLabel;
class QLineEdit;

namespace morvane {

class SoilSlotEditor : public QGroupBox {
    Q_OBJECT

public:
    SoilSlotEditor(SoilSlot slot, QWidget* parent);

    // Fills the fields with the own soil, or with the built-in soil's values
    // and no name.
    void showSoil(const std::optional<OwnSoil>& soil);
    bool isValid() const { return valid_; }
    // The slot's soil as the fields give it: an own soil, or empty for the
    // built-in soil (its values, typed in any form, and no name). Only while
    // the fields are valid.
    std::optional<OwnSoil> soil() const;

    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* valueEdit(SoilValue value) const { return values_[static_cast<std::size_t>(value)]; }

signals:
    // The fields changed; isValid() tells what they make now.
    void edited();

private:
    void check();
    void showProblem(QLineEdit* edit, QLabel* problem, const QString& meaning, const QString& text);

    SoilSlot slot_;
    QLineEdit* name_;
    QLabel* nameProblem_;
    std::array<QLineEdit*, kSoilValueCount> values_{};
    std::array<QLabel*, kSoilValueCount> problems_{};
    std::array<QString, kSoilValueCount> meanings_;
    std::optional<SoilRecord> record_;
    bool valid_ = false;
};

}  // namespace morvane
