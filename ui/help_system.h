#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace quintix {

class THelpViewer;

// The three requests the help viewer understands, numbered as in the platform's published help
// interface so that the numbers seen by a hook are the familiar ones.
enum class THelpCommand { Topic = 1, Popup = 8, Contents = 11 };

struct THelpRequest {
    THelpCommand Command = THelpCommand::Contents;
    int Data = 0;

    bool operator==(const THelpRequest&) const = default;
};

// The rule of the main window's help hook: a topic request for a context of 1000 or more is
// cancelled (callHelp := false) and the popup of the same context is to be issued instead, which
// the function returns. Every other request passes unchanged and nothing is returned.
std::optional<THelpRequest> ApplicationHelpRule(THelpCommand& command, int& data, bool& callHelp);

// The application-wide help: every request passes through one installable hook and, unless the
// hook cancels it, is shown by the viewer from the pages compiled into the program. F1 asks for
// the focused control's topic and a right-click menu asks "What's This?" of a control.
class THelpSystem : public QObject {
    Q_OBJECT

public:
    using THook = std::function<void(THelpCommand& command, int& data, bool& callHelp)>;

    // The program's entry makes one after the application object, keeps it for the whole run and
    // hands it to the windows; it answers F1 wherever the focus is.
    explicit THelpSystem(QObject* parent = nullptr);
    ~THelpSystem() override;

    // The help file is kept as a name only: the pages come from the program's resources.
    void SetHelpFile(const QString& fileName) { FileName = fileName; }
    QString HelpFile() const { return FileName; }

    // Replaces the hook. With an owner the hook is dropped when the owner is destroyed, so a
    // window's hook can never outlive the window.
    void SetHook(THook hook, QObject* owner = nullptr);

    // Passes the request through the hook and, when the hook leaves callHelp true, has the viewer
    // show it. True when the viewer showed the page or the hook took the request over; false
    // when the page does not exist.
    bool HelpCommand(THelpCommand command, int data);

    // A control's own help context, kept as its dynamic property "helpContext"; 0 when none.
    static int HelpContext(const QWidget* control);
    static void SetHelpContext(QWidget* control, int context);
    // The context F1 asks for on a control: its own or its nearest ancestor's that is above 0.
    static int FocusContext(const QWidget* control);
    // The context "What's This?" shows for a control: its own, else that of the widget named by
    // its property "helpContextFrom", else its parent's (a die picture answers for its panel).
    static int WhatsThisContext(const QWidget* control);

    // F1: the topic of the focused control's context; nothing when there is none.
    bool HelpForFocus();

    // Gives the control the shared right-click menu "HelpPopup" of its window, whose item
    // "&What's This?" runs WhatsThisItemClick on the control it was opened on; the control's own
    // actions (QWidget::actions) come before it.
    void InstallWhatsThisMenu(QWidget* control);
    // A context of 0 or less does nothing, 1000 or more asks for the popup, anything else for
    // the topic. True when a request was issued.
    bool WhatsThisItemClick(QWidget* control);

    // The request the viewer last showed, so tests can check what a person would have seen.
    std::optional<THelpRequest> LastShown() const { return Shown; }
    void ClearLastShown() { Shown.reset(); }
    // Tests switch the windows off; requests are still checked and recorded.
    void SetShowWindows(bool show) { ShowWindows = show; }
    // The viewer, made on first use; for tests that look at its windows.
    THelpViewer& Viewer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Show(const THelpRequest& request);

    QString FileName;
    THook Hook;
    QPointer<QObject> HookOwner;
    bool HookHasOwner = false;
    std::optional<THelpRequest> Shown;
    bool ShowWindows = true;
    // Where the next popup opens, when the request came from a control; else at the cursor.
    std::optional<QPoint> PopupAnchor;
    int Depth = 0;  // requests under way: the hook's own requests nest inside the one it was given
    std::unique_ptr<THelpViewer> ViewerWindows;
};

}  // namespace quintix
