#include "ui/help_system.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

#include "ui/help_viewer.h"
#include "ui/window_look.h"

namespace quintix {

namespace {

constexpr int FirstPopupContext = 1000;
const char* const ContextProperty = "helpContext";
const char* const ContextFromProperty = "helpContextFrom";
const char* const MenuInstalledProperty = "whatsThisMenuInstalled";

// The right-click menu of one window, shared by its controls as one menu serves many controls:
// it remembers the control it was opened on and where. A control's own actions come first.
class THelpPopupMenu : public QMenu {
public:
    explicit THelpPopupMenu(QWidget* window) : QMenu(window) {
        setObjectName("HelpPopup");
        setFont(WindowFont());
        Item = addAction(THelpSystem::tr("&What's This?"));
        Item->setObjectName("WhatsThisItem");
        Separator = new QAction(this);
        Separator->setSeparator(true);
    }

    void PopupFor(QWidget* control, const QPoint& globalPos) {
        for (QAction* action : actions()) {
            if (action != Item) {
                removeAction(action);
            }
        }
        if (const QList<QAction*> own = control->actions(); !own.isEmpty()) {
            insertActions(Item, own);
            insertAction(Item, Separator);
        }
        PopupComponent = control;
        ClickPoint = globalPos;
        popup(globalPos);
    }

    QAction* Item;
    QAction* Separator;
    QPointer<QWidget> PopupComponent;
    QPoint ClickPoint;
};

QPoint CentreOf(const QWidget* control) {
    return control->mapToGlobal(control->rect().center());
}

}  // namespace

std::optional<THelpRequest> ApplicationHelpRule(THelpCommand& command, int& data, bool& callHelp) {
    if (command == THelpCommand::Topic && data >= FirstPopupContext) {
        callHelp = false;
        return THelpRequest{THelpCommand::Popup, data};
    }
    return std::nullopt;
}

THelpSystem::THelpSystem(QObject* parent) : QObject(parent) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
    }
}

THelpSystem::~THelpSystem() {
    // Windows cannot be destroyed once the application object is gone; at that point the
    // process is ending anyway.
    if (QCoreApplication::instance() == nullptr) {
        [[maybe_unused]] THelpViewer* leftToExit = ViewerWindows.release();
    }
}

void THelpSystem::SetHook(THook hook, QObject* owner) {
    Hook = std::move(hook);
    HookOwner = owner;
    HookHasOwner = owner != nullptr;
}

bool THelpSystem::HelpCommand(THelpCommand command, int data) {
    if (HookHasOwner && HookOwner.isNull()) {
        Hook = nullptr;
        HookHasOwner = false;
    }
    // The hook may issue requests of its own; the popup's anchor belongs to the outermost one.
    ++Depth;
    bool callHelp = true;
    bool result = true;
    if (Hook) {
        Hook(command, data, callHelp);
    }
    if (callHelp) {
        result = Show(THelpRequest{command, data});
    }
    if (--Depth == 0) {
        PopupAnchor.reset();
    }
    return result;
}

int THelpSystem::HelpContext(const QWidget* control) {
    return control != nullptr ? control->property(ContextProperty).toInt() : 0;
}

void THelpSystem::SetHelpContext(QWidget* control, int context) {
    control->setProperty(ContextProperty, context);
}

int THelpSystem::FocusContext(const QWidget* control) {
    for (const QWidget* widget = control; widget != nullptr; widget = widget->parentWidget()) {
        if (const int context = HelpContext(widget); context > 0) {
            return context;
        }
    }
    return 0;
}

int THelpSystem::WhatsThisContext(const QWidget* control) {
    if (control == nullptr) {
        return 0;
    }
    if (const int own = HelpContext(control); own != 0) {
        return own;
    }
    if (const auto* from =
            qobject_cast<const QWidget*>(control->property(ContextFromProperty).value<QObject*>())) {
        return HelpContext(from);
    }
    return HelpContext(control->parentWidget());
}

bool THelpSystem::HelpForFocus() {
    QWidget* focus = QApplication::focusWidget();
    const int context = FocusContext(focus);
    if (context <= 0) {
        return false;
    }
    PopupAnchor = CentreOf(focus);
    HelpCommand(THelpCommand::Topic, context);
    return true;
}

void THelpSystem::InstallWhatsThisMenu(QWidget* control) {
    if (control->property(MenuInstalledProperty).toBool()) {
        return;
    }
    control->setProperty(MenuInstalledProperty, true);
    QWidget* window = control->window();
    auto* menu = window->findChild<THelpPopupMenu*>("HelpPopup", Qt::FindDirectChildrenOnly);
    if (menu == nullptr) {
        menu = new THelpPopupMenu(window);
        connect(menu->Item, &QAction::triggered, this, [this, menu] {
            if (menu->PopupComponent) {
                PopupAnchor = menu->ClickPoint;
                WhatsThisItemClick(menu->PopupComponent);
            }
        });
    }
    control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(control, &QWidget::customContextMenuRequested, menu,
            [menu, control](const QPoint& pos) { menu->PopupFor(control, control->mapToGlobal(pos)); });
}

bool THelpSystem::WhatsThisItemClick(QWidget* control) {
    const int context = WhatsThisContext(control);
    if (context <= 0) {
        PopupAnchor.reset();
        return false;
    }
    if (!PopupAnchor) {
        PopupAnchor = CentreOf(control);
    }
    HelpCommand(context >= FirstPopupContext ? THelpCommand::Popup : THelpCommand::Topic, context);
    return true;
}

THelpViewer& THelpSystem::Viewer() {
    if (!ViewerWindows) {
        ViewerWindows = std::make_unique<THelpViewer>();
    }
    return *ViewerWindows;
}

bool THelpSystem::eventFilter(QObject* watched, QEvent* event) {
    // Not while a popup (a menu, a help note) has the keyboard: the popup closes on the key instead.
    if (event->type() == QEvent::KeyPress && QApplication::activePopupWidget() == nullptr) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && HelpForFocus()) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool THelpSystem::Show(const THelpRequest& request) {
    const QString page = request.Command == THelpCommand::Contents ? THelpViewer::ContentsPage()
                                                                   : THelpViewer::PageName(request.Data);
    if (!THelpViewer::PageExists(page)) {
        return false;
    }
    Shown = request;
    if (!ShowWindows) {
        return true;
    }
    switch (request.Command) {
        case THelpCommand::Topic:
            return Viewer().ShowTopic(request.Data);
        case THelpCommand::Popup:
            return Viewer().ShowPopup(request.Data, PopupAnchor.value_or(QCursor::pos()));
        case THelpCommand::Contents:
            return Viewer().ShowContents();
    }
    return false;
}

}  // namespace quintix
