#pragma once

#include <QLabel>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <memory>

class QPushButton;
class QTextBrowser;
class QUrl;

namespace quintix {

// A help page as a small note: frameless, about 300 pixels wide and as high as its text. Any
// click or key closes it, as does a click elsewhere; a click on a link closes it and reports the
// page linked to.
class THelpPopupWindow : public QLabel {
    Q_OBJECT

public:
    THelpPopupWindow();

    static constexpr int TextWidth = 300;
    // Shows the page with its top left corner at the point, kept on the screen.
    void ShowPage(const QString& html, const QPoint& globalPos);

signals:
    void LinkClicked(const QString& page);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString LinkUnderMouse;
};

// The help window "Quintix Help": one page at a time, with the contents and the way back.
class THelpWindow : public QWidget {
    Q_OBJECT

public:
    THelpWindow();

    void ShowPage(const QUrl& page);
    QTextBrowser* Browser() const { return PageView; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* ContentsButton;
    QPushButton* BackButton;
    QTextBrowser* PageView;
};

// Shows the pages of the resource ":/help/": "contents.html" and one page per help context,
// named after its number ("1014.html"). A translation's copies of them are in a folder named after
// its language (":/help/de/").
class THelpViewer {
public:
    THelpViewer();
    ~THelpViewer();
    THelpViewer(const THelpViewer&) = delete;
    THelpViewer& operator=(const THelpViewer&) = delete;

    static QString PageName(int context);
    static QString ContentsPage() { return QStringLiteral("contents.html"); }
    static bool PageExists(const QString& page);
    // The page's HTML; empty when it does not exist.
    static QString PageText(const QString& page);

    // Each is false, showing nothing, when the page does not exist.
    bool ShowTopic(int context);
    bool ShowPopup(int context, const QPoint& globalPos);
    bool ShowContents();

    // The windows, made on first use.
    THelpWindow& TopicWindow();
    THelpPopupWindow& PopupWindow();

private:
    bool ShowInWindow(const QString& page);

    std::unique_ptr<THelpWindow> Window;
    std::unique_ptr<THelpPopupWindow> Popup;
};

}  // namespace quintix
