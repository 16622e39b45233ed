#pragma once
// The tab strip under the page book: a tab bar whose selected tab has a
// background colour of its own.
//
// The colour is put on when the strip is first shown. The window keeps its
// strip hidden, and colouring one tab takes the style sheet machinery, which
// would cost every start-up about a millisecond for nothing.

#include <QColor>
#include <QTabBar>

namespace morvane {

class TTabSet : public QTabBar {
public:
    TTabSet(QWidget* parent, const QString& name, QRect geometry, QColor selectedTabColour);

    QColor selectedTabColour() const { return selectedTabColour_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QColor selectedTabColour_;
};

}  // namespace morvane
