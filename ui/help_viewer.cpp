#include "ui/help_viewer.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

#include "ui/translations.h"
#include "ui/window_look.h"

namespace quintix {

namespace {

// The pages in the program's language: a translation's copies sit in a folder named after it.
QString PageFolder() {
    const QString language = TranslationLanguage();
    if (!language.isEmpty() && QDir(QStringLiteral(":/help/") + language).exists()) {
        return QStringLiteral("/help/") + language + QLatin1Char('/');
    }
    return QStringLiteral("/help/");
}

QString PagePath(const QString& page) {
    return QLatin1Char(':') + PageFolder() + page;
}

QUrl PageUrl(const QString& page) {
    return QUrl(QStringLiteral("qrc:") + PageFolder() + page);
}

constexpr int WindowWidth = 440;
constexpr int WindowHeight = 360;
constexpr int ToolBarHeight = 41;

}  // namespace

THelpPopupWindow::THelpPopupWindow() : QLabel(nullptr, Qt::Popup) {
    setObjectName("HelpPopupWindow");
    setFont(WindowFont());
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(6);
    // The colours of a tool tip: a note on top of the window, not a window of its own.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);
    setAutoFillBackground(true);
    // The label follows a link itself once pressed on it; a press anywhere else closes the note.
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(this, &QLabel::linkHovered, this, [this](const QString& link) { LinkUnderMouse = link; });
    connect(this, &QLabel::linkActivated, this, [this](const QString& link) {
        close();
        emit LinkClicked(link);
    });
}

void THelpPopupWindow::ShowPage(const QString& html, const QPoint& globalPos) {
    LinkUnderMouse.clear();
    setText(html);
    const int width = TextWidth + 2 * (margin() + frameWidth());
    setFixedSize(width, heightForWidth(width));

    QPoint topLeft = globalPos;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - this->width())));
        topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - height())));
    }
    move(topLeft);
    show();
}

void THelpPopupWindow::mousePressEvent(QMouseEvent* event) {
    if (!LinkUnderMouse.isEmpty()) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    close();
}

void THelpPopupWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    close();
}

THelpWindow::THelpWindow()
    : ContentsButton(new QPushButton(tr("&Contents"), this)),
      BackButton(new QPushButton(tr("&Back"), this)),
      PageView(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setWindowTitle(tr("Quintix Help"));
    setFont(WindowFont());
    ContentsButton->setObjectName("ContentsButton");
    ContentsButton->setGeometry(8, 8, 75, 25);
    BackButton->setObjectName("BackButton");
    BackButton->setGeometry(91, 8, 75, 25);
    BackButton->setEnabled(false);
    PageView->setObjectName("HelpBrowser");
    PageView->setOpenLinks(true);
    resize(WindowWidth, WindowHeight);

    connect(ContentsButton, &QPushButton::clicked, this,
            [this] { ShowPage(PageUrl(THelpViewer::ContentsPage())); });
    connect(BackButton, &QPushButton::clicked, PageView, &QTextBrowser::backward);
    connect(PageView, &QTextBrowser::backwardAvailable, BackButton, &QPushButton::setEnabled);
}

void THelpWindow::ShowPage(const QUrl& page) {
    if (PageView->source() != page) {
        PageView->setSource(page);
    }
}

void THelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PageView->setGeometry(0, ToolBarHeight, width(), std::max(0, height() - ToolBarHeight));
}

THelpViewer::THelpViewer() = default;
THelpViewer::~THelpViewer() = default;

QString THelpViewer::PageName(int context) {
    return QString::number(context) + QStringLiteral(".html");
}

bool THelpViewer::PageExists(const QString& page) {
    return QFile::exists(PagePath(page));
}

QString THelpViewer::PageText(const QString& page) {
    QFile file(PagePath(page));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

bool THelpViewer::ShowTopic(int context) {
    return ShowInWindow(PageName(context));
}

bool THelpViewer::ShowContents() {
    return ShowInWindow(ContentsPage());
}

bool THelpViewer::ShowPopup(int context, const QPoint& globalPos) {
    const QString html = PageText(PageName(context));
    if (html.isEmpty()) {
        return false;
    }
    PopupWindow().ShowPage(html, globalPos);
    return true;
}

bool THelpViewer::ShowInWindow(const QString& page) {
    if (!PageExists(page)) {
        return false;
    }
    THelpWindow& window = TopicWindow();
    window.ShowPage(PageUrl(page));
    window.show();
    window.raise();
    window.activateWindow();
    return true;
}

THelpWindow& THelpViewer::TopicWindow() {
    if (!Window) {
        Window = std::make_unique<THelpWindow>();
    }
    return *Window;
}

THelpPopupWindow& THelpViewer::PopupWindow() {
    if (!Popup) {
        Popup = std::make_unique<THelpPopupWindow>();
        QObject::connect(Popup.get(), &THelpPopupWindow::LinkClicked, Popup.get(),
                         [this](const QString& page) { ShowInWindow(page); });
    }
    return *Popup;
}

}  // namespace quintix
