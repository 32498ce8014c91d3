#include "ui/quintix_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "game/coach.h"
#include "history/game_recorder.h"
#include "ui/app_icon.h"
#include "ui/button_pictures.h"
#include "ui/coach_form.h"
#include "ui/die_panel.h"
#include "ui/draw_grid.h"
#include "ui/help_descriptions.h"
#include "ui/help_system.h"
#include "ui/message_box.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/qt_step_timer.h"
#include "ui/score_form.h"
#include "ui/score_report_form.h"
#include "ui/series_keeper.h"
#include "ui/settings.h"
#include "ui/statistics_form.h"
#include "ui/summary_form.h"
#include "ui/translations.h"
#include "ui/window_look.h"

namespace quintix {

namespace {

constexpr int ClientWidth = 602;
constexpr int ClientHeight = 412;
constexpr int GridColumns = 7;  // the labels, then games 1..6

// What italics and the highlight tell a sighted player about a score cell, in words.
QString ScoreCellNote(const TCell& cell) {
    if (cell.Highlighted) {
        return TQuintixForm::tr("just scored");
    }
    return cell.Italic && !cell.Text.empty() ? TQuintixForm::tr("possible value") : QString();
}

// The labels of column 0 come from the core in English; seen or heard, they are translated.
QString ShownText(int col, const TCell& cell) {
    return col == 0 ? CoreText(cell.Text) : QString::fromStdString(cell.Text);
}

}  // namespace

TQuintixForm::TQuintixForm(const TServices& services, IRandomSource* random, IStepTimer* timer,
                           QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      Services(services),
      Layout(QSize(ClientWidth, ClientHeight), WindowFont().pixelSize()) {
    if (random == nullptr) {
        OwnRandom = std::make_unique<TSeededRandom>(MillisecondsSinceMidnight());
        random = OwnRandom.get();
    }
    if (timer == nullptr) {
        OwnTimer = std::make_unique<TQtStepTimer>();
        timer = OwnTimer.get();
    }
    GameObject = std::make_unique<TQuintixGame>(*this, *timer, *random, Services.Table);
    SummaryPlayers = GameObject->Players();

    setObjectName("QuintixForm");
    setWindowTitle("Quintix 95 V1.00");
    setWindowIcon(AppIcon());
    setFont(WindowFont());
    // The natural size is the smallest: larger, everything grows in proportion.
    setMinimumSize(ClientWidth, ClientHeight);
    resize(ClientWidth, ClientHeight);
    CreateControls();
    Layout.Apply(*this);
    LayoutGrids();
    DescribeFromHelp(*this);

    // Every dialog is made when first opened: the program shows its window sooner without them.
    CoachModel = std::make_unique<TCoach>(*GameObject, Services.Table);
    if (Services.History != nullptr) {
        Recorder = std::make_unique<TGameRecorder>(*GameObject, *Services.History);
        Recording = GameObject->Subscribe(*Recorder);
    }
    if (Services.KeptSeries != nullptr) {
        Keeper =
            new TSeriesKeeper(*GameObject, Recorder.get(), *Services.KeptSeries, Services.Messages, this);
    }

    // Every help request of the program passes through the window's hook.
    Services.Help.SetHook([this](THelpCommand& command, int& context,
                                 bool& callHelp) { ApplicationHelp(command, context, callHelp); },
                          this);

    ControlsChanged();
    ShowDice();
    PlacedBySettings = Services.Settings != nullptr && Services.Settings->RestoreWindow(*this, "MainWindow");
}

void TQuintixForm::ApplicationHelp(THelpCommand& command, int& context, bool& callHelp) {
    if (const auto instead = ApplicationHelpRule(command, context, callHelp)) {
        Services.Help.HelpCommand(instead->Command, instead->Data);
    }
}

TQuintixForm::~TQuintixForm() {
    delete Keeper;
    for (QWidget* window : std::initializer_list<QWidget*>{NewGameDialog, ScoreDialog, SummaryDialog,
                                                           ScoreReport, Preview, Coach, Statistics}) {
        delete window;
    }
}

// A command button of the right-hand column, with its picture, help context and handler.
QPushButton* TQuintixForm::AddButton(const char* name, const QString& caption, int top,
                                     TButtonPicture picture, int iconSize, int helpContext,
                                     void (TQuintixForm::*click)()) {
    auto* button = new QPushButton(ButtonIcon(picture), caption, this);
    button->setObjectName(name);
    Layout.Place(button, QRect(504, top, 85, 25), TScaledLayout::TFit::Exact, iconSize);
    button->setProperty("helpContext", helpContext);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, click);
    return button;
}

void TQuintixForm::CreateControls() {
    Label3 = new QLabel(tr("Pl&ayer:"), this);
    Label3->setObjectName("Label3");
    Layout.Place(Label3, QRect(16, 8, 32, 13), TScaledLayout::TFit::GrowToText);
    PlayerList = new QComboBox(this);
    PlayerList->setObjectName("PlayerList");
    Layout.Place(PlayerList, QRect(56, 4, 145, 21));
    PlayerList->setProperty("helpContext", 1013);
    Label3->setBuddy(PlayerList);
    PlayerMessage = new QLabel(this);
    PlayerMessage->setObjectName("PlayerMessage");
    Layout.Place(PlayerMessage, QRect(216, 8, 185, 13));
    Label2 = new QLabel(tr("Roll:"), this);
    Label2->setObjectName("Label2");
    Layout.Place(Label2, QRect(424, 8, 21, 13), TScaledLayout::TFit::GrowToText);
    Roll = new QLabel(this);
    Roll->setObjectName("Roll");
    Layout.Place(Roll, QRect(456, 8, 33, 13));

    UpperScores = new TDrawGrid(GridColumns, RowCount(TGrid::Upper), 1, 1, this);
    UpperScores->setObjectName("UpperScores");
    Layout.Place(UpperScores, QRect(16, 32, 404, 164));
    UpperScores->setProperty("helpContext", 1010);
    LowerScores = new TDrawGrid(GridColumns, RowCount(TGrid::Lower), 1, 0, this);
    LowerScores->setObjectName("LowerScores");
    Layout.Place(LowerScores, QRect(16, 208, 404, 132));
    LowerScores->setProperty("helpContext", 1011);
    TotalScores = new TDrawGrid(GridColumns, RowCount(TGrid::Total), 1, 0, this);
    TotalScores->setObjectName("TotalScores");
    Layout.Place(TotalScores, QRect(16, 352, 404, 52));
    TotalScores->setProperty("helpContext", 1012);
    TotalScores->setFocusPolicy(Qt::NoFocus);

    for (const auto& [grid, which] :
         {std::pair{UpperScores, TGrid::Upper}, std::pair{LowerScores, TGrid::Lower},
          std::pair{TotalScores, TGrid::Total}}) {
        grid->SetDrawCell([this, grid, which](QPainter& painter, int col, int row, const QRect& rect) {
            DrawScoreCell(painter, *grid, col, row, rect, GameObject->ShownCell(which, col, row));
        });
        grid->SetCellText([this, which](int col, int row) {
            return ShownText(col, GameObject->ShownCell(which, col, row));
        });
        grid->SetCellNote([this, which](int col, int row) {
            return ScoreCellNote(GameObject->ShownCell(which, col, row));
        });
        grid->SetColumnTitle(
            [](int col) { return col > 0 ? TQuintixForm::tr("Game %1").arg(col) : QString(); });
    }
    UpperScores->setAccessibleName(tr("Upper section"));
    LowerScores->setAccessibleName(tr("Lower section"));
    TotalScores->setAccessibleName(tr("Totals"));
    connect(UpperScores, &TDrawGrid::CellDoubleClicked, this, &TQuintixForm::UpperScoresDblClick);
    connect(LowerScores, &TDrawGrid::CellDoubleClicked, this, &TQuintixForm::LowerScoresDblClick);

    StartButton = AddButton("StartButton", tr("&New Game"), 8, TButtonPicture::NewGame, 16, 1015,
                            &TQuintixForm::StartButtonClick);
    RollButton = AddButton("RollButton", tr("&Roll Dice"), 40, TButtonPicture::RollDice, 16, 1016,
                           &TQuintixForm::RollButtonClick);
    ScoreButton = AddButton("ScoreButton", tr("&Score"), 72, TButtonPicture::Score, 16, 1017,
                            &TQuintixForm::ScoreButtonClick);
    PossibleButton = AddButton("PossibleButton", tr("&Possibilities"), 104, TButtonPicture::Possibilities, 16,
                               1018, &TQuintixForm::PossibleButtonClick);
    SummaryButton = AddButton("SummaryButton", tr("S&eries"), 136, TButtonPicture::Series, 16, 1019,
                              &TQuintixForm::SummaryButtonClick);
    PrintButton = AddButton("PrintButton", tr("Prin&t"), 168, TButtonPicture::Print, 16, 1020,
                            &TQuintixForm::PrintButtonClick);
    HelpButton = AddButton("HelpButton", tr("&Help"), 200, TButtonPicture::Help, 18, 1021,
                           &TQuintixForm::HelpButtonClick);
    ExitButton = AddButton("ExitButton", tr("E&xit"), 232, TButtonPicture::Exit, 18, 1022,
                           &TQuintixForm::ExitButtonClick);
    // In the free space under Exit: the coach, who values every choice after a roll.
    CoachButton = AddButton("CoachButton", tr("&Coach"), 264, TButtonPicture::Coach, 16, 1023,
                            &TQuintixForm::CoachButtonClick);
    // Under the coach: how each player plays over time, from the history.
    StatisticsButton = AddButton("StatisticsButton", tr("Stat&istics"), 296, TButtonPicture::Statistics, 16,
                                 1029, &TQuintixForm::StatisticsButtonClick);

    for (int n = 1; n <= NoOfDice; ++n) {
        Panels[n] = new TDiePanel(n, this);
        Layout.Place(Panels[n], QRect(424, 32 + 72 * (n - 1), TDiePanel::PanelSize, TDiePanel::PanelSize));
        Panels[n]->setProperty("helpContext", 1014);
        connect(Panels[n], &TDiePanel::Clicked, this, &TQuintixForm::DiceClick);
    }

    connect(PlayerList, qOverload<int>(&QComboBox::activated), this, &TQuintixForm::PlayerListChange);

    // Ctrl+Z anywhere in the window, and the first entry of the sheet's right-click menu.
    UndoAction = new QAction(tr("&Undo"), this);
    UndoAction->setObjectName("UndoAction");
    UndoAction->setShortcut(QKeySequence::Undo);
    UndoAction->setShortcutVisibleInContextMenu(true);
    connect(UndoAction, &QAction::triggered, this, &TQuintixForm::UndoClick);
    for (QWidget* control : std::initializer_list<QWidget*>{this, UpperScores, LowerScores, TotalScores}) {
        control->addAction(UndoAction);
    }

    // The digit keys click the dice whichever of these has the focus, except the Help button.
    for (QWidget* control :
         std::initializer_list<QWidget*>{PlayerList, UpperScores, LowerScores, TotalScores, StartButton,
                                         RollButton, ScoreButton, PossibleButton, SummaryButton, PrintButton,
                                         HelpButton, ExitButton, CoachButton, StatisticsButton}) {
        control->installEventFilter(this);
    }
    THelpSystem& help = Services.Help;
    for (QWidget* control : std::initializer_list<QWidget*>{
             PlayerMessage, PlayerList, UpperScores, LowerScores, TotalScores, StartButton, RollButton,
             ScoreButton, PossibleButton, SummaryButton, PrintButton, HelpButton, ExitButton, CoachButton,
             StatisticsButton}) {
        help.InstallWhatsThisMenu(control);
    }
    for (TDiePanel* panel : Panels) {
        help.InstallWhatsThisMenu(panel);
        help.InstallWhatsThisMenu(panel->Picture());
    }

    setTabOrder(PlayerList, UpperScores);
    setTabOrder(UpperScores, LowerScores);
    setTabOrder(LowerScores, StartButton);
    setTabOrder(StartButton, RollButton);
    setTabOrder(RollButton, ScoreButton);
    setTabOrder(ScoreButton, PossibleButton);
    setTabOrder(PossibleButton, SummaryButton);
    setTabOrder(SummaryButton, PrintButton);
    setTabOrder(PrintButton, HelpButton);
    setTabOrder(HelpButton, ExitButton);
    setTabOrder(ExitButton, CoachButton);
    setTabOrder(CoachButton, StatisticsButton);
}

// Columns and rows follow from the upper grid's client area: 52-pixel game columns, an 81-pixel
// label column and 15-pixel rows at the designed size.
void TQuintixForm::LayoutGrids() {
    const QSize client = UpperScores->ClientSize();
    const int line = TDrawGrid::GridLineWidth;
    const int colWidth = client.width() * 2 / 15 - line;
    const int labelWidth = client.width() - 6 * (colWidth + line) - line;
    const int rowHeight = client.height() / RowCount(TGrid::Upper) - line;
    for (TDrawGrid* grid : {UpperScores, LowerScores, TotalScores}) {
        grid->SetDefaultColWidth(colWidth);
        grid->SetColWidth(0, labelWidth);
        grid->SetDefaultRowHeight(rowHeight);
    }
}

void TQuintixForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout.Apply(*this);
    LayoutGrids();
    ShowMessage();
}

bool TQuintixForm::SeriesInProgress() const {
    const TPhase phase = GameObject->Phase();
    return phase == TPhase::RollForOrder || phase == TPhase::Playing;
}

// Closing the window from its title bar would lose a series in progress, so it asks as "E&xit"
// does; with no series to lose it closes at once. The program ends with this window: every other
// window of it closes too, the help window included, which would otherwise keep it running.
void TQuintixForm::closeEvent(QCloseEvent* event) {
    if (!QuitConfirmed && SeriesInProgress() &&
        !Services.Messages.Confirm(this, tr("Confirm"), tr("Are you sure you want to quit?"))) {
        event->ignore();
        return;
    }
    if (Keeper != nullptr && SeriesInProgress()) {
        Keeper->Keep();
    }
    Remember();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    QWidget::closeEvent(event);
}

// Where the windows are and whether the coach is open, for the next run.
void TQuintixForm::Remember() {
    if (Services.Settings == nullptr) {
        return;
    }
    Services.Settings->KeepWindow(*this, "MainWindow");
    Services.Settings->SetCoachOpen(Coach != nullptr && Coach->isVisible());
    if (Coach != nullptr) {
        Services.Settings->KeepWindow(*Coach, "Coach");
    }
    Services.Settings->Sync();
}

void TQuintixForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!std::exchange(PlacedBySettings, false)) {
        CentreOnScreen(*this);
    }
    GameObject->WindowShown();
    if (std::exchange(Shown, true)) {
        return;
    }
    if (Services.Settings != nullptr && Services.Settings->CoachOpen()) {
        CoachButtonClick();
    }
    if (Keeper != nullptr) {
        // Asked once the window is on the screen, as its own question.
        QTimer::singleShot(0, Keeper, [this] { Keeper->Offer(this); });
    }
}

// A text too wide for its cell is drawn from the left and clipped, so its start stays readable.
void TQuintixForm::DrawScoreCell(QPainter& painter, const TDrawGrid& grid, int col, int row,
                                 const QRect& rect, const TCell& cell) const {
    const QString text = ShownText(col, cell);
    painter.save();
    const QFontMetrics metrics(grid.font());
    const int width = metrics.horizontalAdvance(text);
    const int cellWidth = rect.width();
    const int indent = Layout.Scaled(2);
    int x = 0;
    if (col == 0 || width > cellWidth - 2 * indent) {
        x = rect.left() + indent;
    } else {
        x = (rect.left() + rect.right() + 1) / 2 - width / 2;
    }
    const bool fixed = row < grid.FixedRows() || col < grid.FixedCols();
    const QPalette& palette = grid.palette();
    if (!fixed) {
        const QColor background =
            cell.Highlighted ? palette.color(QPalette::Highlight) : palette.color(QPalette::Base);
        painter.fillRect(rect, background);
        painter.setPen(cell.Highlighted ? palette.color(QPalette::HighlightedText)
                                        : palette.color(QPalette::Text));
    } else {
        painter.setPen(palette.color(QPalette::ButtonText));
    }
    if (!text.isEmpty()) {
        QFont font = grid.font();
        font.setItalic(cell.Italic);
        painter.setFont(font);
        painter.setClipRect(rect);
        painter.drawText(QPoint(x, rect.top() + Layout.Scaled(1) + QFontMetrics(font).ascent()), text);
    }
    painter.restore();
}

void TQuintixForm::RedrawScores() {
    UpperScores->CellsChanged();
    LowerScores->CellsChanged();
    TotalScores->CellsChanged();
}

void TQuintixForm::ShowDice() {
    for (int n = 1; n <= NoOfDice; ++n) {
        Panels[n]->ShowDie(GameObject->Dice()[n]);
    }
}

void TQuintixForm::ControlsChanged() {
    const TControls& s = GameObject->Controls();
    {
        const QSignalBlocker blocker(PlayerList);
        QStringList names;
        for (const std::string& name : s.PlayerListEntries) {
            names << QString::fromStdString(name);
        }
        QStringList shown;
        for (int i = 0; i < PlayerList->count(); ++i) {
            shown << PlayerList->itemText(i);
        }
        if (names != shown) {
            PlayerList->clear();
            PlayerList->addItems(names);
        }
        PlayerList->setCurrentIndex(s.PlayerListIndex);
    }
    ShowMessage();
    Roll->setText(QString::fromStdString(s.RollText));
    RollButton->setEnabled(s.RollEnabled);
    ScoreButton->setEnabled(s.ScoreEnabled);
    PossibleButton->setEnabled(s.PossibleEnabled);
    UndoAction->setEnabled(GameObject->CanUndo());
}

namespace {

// Whole sentences, so that a translation can order the words its own way.
QString MessageText(const TPlayerMessage& message, const QString& name) {
    switch (message.Kind) {
        case TPlayerMessage::TKind::None:
            return {};
        case TPlayerMessage::TKind::YourTurn:
            return message.RollForOrder ? TQuintixForm::tr("It's your turn to roll for order")
                                        : TQuintixForm::tr("It's your turn");
        case TPlayerMessage::TKind::PlayersTurn:
            return (message.RollForOrder ? TQuintixForm::tr("It's %1's turn to roll for order")
                                         : TQuintixForm::tr("It's %1's turn"))
                .arg(name);
        case TPlayerMessage::TKind::Winner:
            return TQuintixForm::tr("The winner is %1").arg(name);
        case TPlayerMessage::TKind::PreparingExpert:
            return TQuintixForm::tr("Preparing expert play...");
    }
    return {};
}

}  // namespace

// A name too long for the label is shortened, never the sentence around it; the whole message is
// then the label's tooltip.
void TQuintixForm::ShowMessage() {
    const TPlayerMessage& message = GameObject->Controls().PlayerMessage;
    const QString name = QString::fromStdString(message.Name);
    const QString full = MessageText(message, name);
    PlayerMessage->setAccessibleName(full);
    const QFontMetrics metrics(PlayerMessage->font());
    const int room = PlayerMessage->contentsRect().width();
    if (metrics.horizontalAdvance(full) <= room) {
        PlayerMessage->setText(full);
        PlayerMessage->setToolTip({});
        return;
    }
    const int nameRoom = room - metrics.horizontalAdvance(MessageText(message, {}));
    PlayerMessage->setText(
        MessageText(message, metrics.elidedText(name, Qt::ElideRight, std::max(nameRoom, 0))));
    PlayerMessage->setToolTip(full);
}

// The summary lists the players in the order they had when last told, which is not always the
// order of play: the window keeps that order for a dialog not made yet.
void TQuintixForm::SetSummaryPlayers(const TPlayers& players) {
    SummaryPlayers = players;
    if (SummaryDialog != nullptr) {
        SummaryDialog->SetPlayers(players);
    }
}

void TQuintixForm::RedrawSummary() {
    if (SummaryDialog != nullptr) {
        SummaryDialog->SetCaption(CoreText(GameObject->SummaryCaption()));
        SummaryDialog->SeriesSummary->CellsChanged();
    }
}

void TQuintixForm::ShowSummary(const std::string& caption) {
    SummaryForm().SetCaption(CoreText(caption));
    SummaryDialog->open();
}

TSummaryForm& TQuintixForm::SummaryForm() {
    if (SummaryDialog == nullptr) {
        SummaryDialog = new TSummaryForm(*GameObject, this);
        SummaryDialog->SetPlayers(SummaryPlayers);
        SummaryDialog->SetCaption(CoreText(GameObject->SummaryCaption()));
        connect(SummaryDialog, &QDialog::finished, this, [this] { GameObject->SummaryClosed(); });
    }
    return *SummaryDialog;
}

// Before the first series of a run the dialog shows what was typed last time, if remembered.
void TQuintixForm::StartButtonClick() {
    std::optional<TNewGameContents> remembered;
    if (Services.Settings != nullptr && GameObject->NoOfPlayers() == 0) {
        remembered = Services.Settings->NewGame();
    }
    NewGameForm().Fill(remembered.value_or(GameObject->OpenNewGame()));
    NewGameDialog->open();
}

void TQuintixForm::RollButtonClick() {
    GameObject->Roll();
}

// The dialog lists the open lines by label; the line behind each item is kept here until the
// dialog reports the chosen one.
void TQuintixForm::ScoreButtonClick() {
    OfferedLines = GameObject->OpenLines();
    std::vector<std::string> labels;
    for (const int line : OfferedLines) {
        labels.emplace_back(LineLabel(line));
    }
    ScoreForm().Fill(labels);
    ScoreDialog->open();
}

void TQuintixForm::ScoreFromList(int index) {
    if (index >= 0 && index < static_cast<int>(OfferedLines.size())) {
        GameObject->Score(OfferedLines[static_cast<std::size_t>(index)]);
    }
}

void TQuintixForm::PossibleButtonClick() {
    GameObject->TogglePossibleValues();
}

void TQuintixForm::SummaryButtonClick() {
    GameObject->OpenSummary();
}

TNewGameForm& TQuintixForm::NewGameForm() {
    if (NewGameDialog == nullptr) {
        NewGameDialog = new TNewGameForm(Services.Help, this);
        connect(NewGameDialog, &QDialog::accepted, this, [this] {
            const TNewGameContents contents = NewGameDialog->Contents();
            if (Services.Settings != nullptr) {
                Services.Settings->SetNewGame(contents);
                Services.Settings->Sync();
            }
            GameObject->StartSeries(contents);
        });
    }
    return *NewGameDialog;
}

TScoreForm& TQuintixForm::ScoreForm() {
    if (ScoreDialog == nullptr) {
        ScoreDialog = new TScoreForm(this);
        connect(ScoreDialog, &TScoreForm::ScoreFromList, this, &TQuintixForm::ScoreFromList);
    }
    return *ScoreDialog;
}

TScoreReportForm& TQuintixForm::ScoreReportForm() {
    if (ScoreReport == nullptr) {
        ScoreReport = new TScoreReportForm(*GameObject, this);
        ScoreReport->hide();
        ScoreReport->ShowPreview = [this](const TReportPages& pages) { PreviewForm().ShowPages(pages); };
    }
    return *ScoreReport;
}

TPreviewForm& TQuintixForm::PreviewForm() {
    if (Preview == nullptr) {
        Preview = new TPreviewForm(Services.Messages, this);
    }
    return *Preview;
}

TCoachForm& TQuintixForm::CoachForm() {
    if (Coach == nullptr) {
        Coach = new TCoachForm(*CoachModel, Services.Table, Services.Help, Services.History, this);
        Coach->PassKeysTo([this](const QKeyEvent& key) { return CoachKeyDown(key); });
        if (Services.Settings != nullptr) {
            Services.Settings->RestoreWindow(*Coach, "Coach");
        }
    }
    return *Coach;
}

void TQuintixForm::CoachButtonClick() {
    CoachForm().ShowCoach();
}

TStatisticsForm& TQuintixForm::StatisticsForm() {
    if (Statistics == nullptr) {
        Statistics =
            new TStatisticsForm(Services.History, Services.Table, Services.Help, Services.Messages, this);
    }
    return *Statistics;
}

void TQuintixForm::StatisticsButtonClick() {
    StatisticsForm().ShowStatistics();
}

void TQuintixForm::DiceClick(int die) {
    GameObject->ToggleDie(die);
}

void TQuintixForm::UpperScoresDblClick(int col, int row) {
    GameObject->ScoreCell(TGrid::Upper, col, row);
}

void TQuintixForm::LowerScoresDblClick(int col, int row) {
    GameObject->ScoreCell(TGrid::Lower, col, row);
}

void TQuintixForm::PlayerListChange(int index) {
    GameObject->ViewSheetOf(index + 1);
}

void TQuintixForm::UndoClick() {
    GameObject->UndoScore();
}

void TQuintixForm::PrintButtonClick() {
    ScoreReportForm().Preview();
}

void TQuintixForm::HelpButtonClick() {
    Services.Help.HelpCommand(THelpCommand::Contents, 0);
}

void TQuintixForm::ExitButtonClick() {
    if (Services.Messages.Confirm(this, tr("Confirm"), tr("Are you sure you want to quit?"))) {
        QuitConfirmed = true;
        if (!close()) {
            QuitConfirmed = false;
        }
    }
}

// The digit keys 1..5 of the main keyboard click a die; with a modifier held, or on the keypad
// (whose digits carry a modifier), they do nothing.
bool TQuintixForm::FormKeyDown(const QKeyEvent& event) {
    const int key = event.key();
    if (key < Qt::Key_1 || key > Qt::Key_5 || event.modifiers() != Qt::NoModifier) {
        return false;
    }
    DiceClick(key - Qt::Key_1 + 1);
    return true;
}

// A key pressed in the coach's window does what it does here: the digits, Ctrl+Z, and Alt with the
// underlined letter of a button. Where the platform lets this window's shortcuts work from its
// tool window, they take Ctrl+Z and Alt before the coach sees them.
bool TQuintixForm::CoachKeyDown(const QKeyEvent& event) {
    if (FormKeyDown(event)) {
        return true;
    }
    if (event.matches(QKeySequence::Undo)) {
        UndoClick();
        return true;
    }
    if (event.modifiers() != Qt::AltModifier) {
        return false;
    }
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(event.key())));
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (QKeySequence::mnemonic(button->text()) == pressed) {
            if (button->isEnabled()) {
                button->click();
            }
            return true;
        }
    }
    return false;
}

void TQuintixForm::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyDown(*event)) {
        QWidget::keyPressEvent(event);
    }
}

// The Help button has no key handler: a digit pressed there must not reach the window and click a
// die, so it is dropped.
bool TQuintixForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == HelpButton) {
            return key.key() >= Qt::Key_1 && key.key() <= Qt::Key_5;
        }
        if (FormKeyDown(key)) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quintix
