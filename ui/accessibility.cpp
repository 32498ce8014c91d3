#include "ui/accessibility.h"

#include <QAccessibleWidget>

#include "ui/die_accessible.h"
#include "ui/grid_accessible.h"
#include "ui/quintix_form.h"

namespace quintix {

namespace {

// A top-level plain widget reads as a mere pane to a screen reader, which then neither names the
// window nor follows its activation.
QAccessibleInterface* MainWindowAccessible(const QString& /*className*/, QObject* object) {
    auto* form = qobject_cast<TQuintixForm*>(object);
    return form != nullptr ? new QAccessibleWidget(form, QAccessible::Window) : nullptr;
}

}  // namespace

void InstallAccessibility() {
    QAccessible::installFactory(MainWindowAccessible);
    InstallGridAccessibility();
    InstallDieAccessibility();
}

}  // namespace quintix
