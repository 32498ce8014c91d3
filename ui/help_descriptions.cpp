#include "ui/help_descriptions.h"

#include <QAccessible>
#include <QTextDocumentFragment>
#include <QWidget>

#include "ui/help_system.h"
#include "ui/help_viewer.h"

namespace quintix {

namespace {

// A help page's text without its heading, which only repeats the control's name.
QString PageWords(int context) {
    const QString html = THelpViewer::PageText(THelpViewer::PageName(context));
    QStringList lines = QTextDocumentFragment::fromHtml(html).toPlainText().split('\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty()) {
        lines.removeFirst();
    }
    return lines.join(' ');
}

class THelpDescriber : public QObject, public QAccessible::ActivationObserver {
public:
    explicit THelpDescriber(QWidget& window) : QObject(&window), Window(window) {
        QAccessible::installActivationObserver(this);
        if (QAccessible::isActive()) {
            Describe();
        }
    }
    ~THelpDescriber() override { QAccessible::removeActivationObserver(this); }
    THelpDescriber(const THelpDescriber&) = delete;
    THelpDescriber& operator=(const THelpDescriber&) = delete;

    void accessibilityActiveChanged(bool active) override {
        if (active) {
            Describe();
        }
    }

private:
    void Describe() {
        for (QWidget* control : Window.findChildren<QWidget*>()) {
            const int context = THelpSystem::HelpContext(control);
            if (context > 0 && control->accessibleDescription().isEmpty()) {
                control->setAccessibleDescription(PageWords(context));
            }
        }
    }

    QWidget& Window;
};

}  // namespace

void DescribeFromHelp(QWidget& window) {
    new THelpDescriber(window);
}

}  // namespace quintix
