#include "ui/die_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <array>

#include "ui/die_panel.h"

namespace quintix {

QString DieSpokenName(int number, int face, bool marked) {
    static const std::array<const char*, 7> faces{
        QT_TRANSLATE_NOOP("quintix::TDiePanel", "no value"), QT_TRANSLATE_NOOP("quintix::TDiePanel", "one"),
        QT_TRANSLATE_NOOP("quintix::TDiePanel", "two"),      QT_TRANSLATE_NOOP("quintix::TDiePanel", "three"),
        QT_TRANSLATE_NOOP("quintix::TDiePanel", "four"),     QT_TRANSLATE_NOOP("quintix::TDiePanel", "five"),
        QT_TRANSLATE_NOOP("quintix::TDiePanel", "six")};
    const char* faceName = faces[static_cast<std::size_t>(face >= 1 && face <= 6 ? face : 0)];
    const QString spokenFace = TDiePanel::tr(faceName);
    return (marked ? TDiePanel::tr("Die %1: %2, marked to roll again") : TDiePanel::tr("Die %1: %2"))
        .arg(QString::number(number), spokenFace);
}

namespace {

// The die is one object to a screen reader: the picture and the frame inside the panel are only
// how it is drawn, and its name says all they show.
class TDieAccessible : public QAccessibleWidget {
public:
    explicit TDieAccessible(TDiePanel* panel) : QAccessibleWidget(panel, QAccessible::Button) {}

    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name) {
            return QAccessibleWidget::text(type);
        }
        return DieSpokenName(Panel().Number(), Panel().Face(), Panel().Marked());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit Panel().Clicked(Panel().Number());
        }
    }
    // The digit keys mark the dice from anywhere in the window.
    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction() ? QStringList{QString::number(Panel().Number())} : QStringList{};
    }

private:
    TDiePanel& Panel() const { return *static_cast<TDiePanel*>(widget()); }
};

QAccessibleInterface* DieFactory(const QString& /*className*/, QObject* object) {
    auto* panel = qobject_cast<TDiePanel*>(object);
    return panel != nullptr ? new TDieAccessible(panel) : nullptr;
}

}  // namespace

void InstallDieAccessibility() {
    QAccessible::installFactory(DieFactory);
}

void DieChanged(TDiePanel& panel) {
    QAccessibleEvent event(&panel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace quintix
