#include "app/windebug.h"

#include "app/debugtabelle.h"
#include "app/einzelfenster.h"
#include "app/platzieren.h"
#include "platform/numbers.h"
#include "view/renderer.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <algorithm>
#include <utility>

namespace wyk {

namespace {

// A table read as a list: Home and End go to the first and the last row.
class Liste : public QTableView {
public:
    using QTableView::QTableView;

protected:
    QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers modifiers) override {
        if (aktion == MoveHome || aktion == MoveEnd) {
            modifiers |= Qt::ControlModifier;
        }
        return QTableView::moveCursor(aktion, modifiers);
    }
};

} // namespace

WINdebug::WINdebug(Module1& m, const QWidget& haupt) : m_(m) {
    Layout();
    CreateControls();
    Event_Open(haupt);
}

void WINdebug::Layout() {
    setWindowTitle(QStringLiteral("Debug"));
    setWindowFlags(kFensterRahmen);
    setFixedSize(399, 435);
    auto* schliessen = new QAction(this);
    schliessen->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence::Close});
    connect(schliessen, &QAction::triggered, this, &QWidget::close);
    addAction(schliessen);
}

void WINdebug::CreateControls() {
    punkte_ = new DebugTabelle(
        {QStringLiteral("Nr."), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")},
        [this](int zeile, int spalte) {
            return spalte == 0 ? Str(zeile + 1) : Str(m_.punkt[zeile + 1][spalte]);
        },
        this);
    linien_ = new DebugTabelle(
        {QStringLiteral("Nr."), QStringLiteral("Pkt."), QStringLiteral("Farbe")},
        [this](int zeile, int spalte) {
            return spalte == 0 ? Str(zeile + 1) : Str(m_.linie[zeile + 1][spalte]);
        },
        this);
    LBpunkte_ = tabelle(punkte_, "LBpunkte", QRect(20, 38, 197, 377), QStringLiteral("Punkte"),
                        &WINdebug::LBpunkte_CellClick);
    ueberschrift(QStringLiteral("Linien"), "StaticText1", QRect(254, 6, 100, 20));
    LBlinien_ = tabelle(linien_, "LBlinien", QRect(229, 38, 150, 377), QStringLiteral("Linien"),
                        &WINdebug::LBlinien_CellClick);
    ueberschrift(QStringLiteral("Punkte"), "StaticText2", QRect(53, 6, 100, 20));
    auto* messen = new QAction(LBpunkte_);
    messen->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_Return),
                          QKeySequence(Qt::SHIFT | Qt::Key_Enter)});
    messen->setShortcutContext(Qt::WidgetShortcut);
    connect(messen, &QAction::triggered, this, &WINdebug::messen);
    LBpunkte_->addAction(messen);
}

// A list of rows with a heading: one row selected at a time, columns of equal width, no
// sorting, no editing, no grid. A row chosen by a click, by the keys that move the selection,
// or by Return or Space, goes to waehlen. Tab and Shift+Tab leave the table.
QTableView* WINdebug::tabelle(DebugTabelle* inhalt, const char* name, const QRect& wo,
                              const QString& titel, void (WINdebug::*waehlen)(const QModelIndex&)) {
    auto* view = new Liste(this);
    platzieren(view, name, wo);
    view->setAccessibleName(titel);
    view->setModel(inhalt);
    connect(view, &QTableView::clicked, this, waehlen);
    connect(view, &QTableView::activated, view,
            [view](const QModelIndex& index) { view->selectRow(index.row()); });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, view, waehlen] {
                const QModelIndexList zeilen = view->selectionModel()->selectedRows();
                if (!zeilen.isEmpty()) {
                    (this->*waehlen)(zeilen.constFirst());
                }
            });
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setSortingEnabled(false);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

void WINdebug::ueberschrift(const QString& text, const char* name, const QRect& wo) {
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    platzieren(label, name, wo);
}

void WINdebug::debugzeigen() {
    punkte_->fuellen(std::min(m_.anzpkt, kTabellenGrenze));
    linien_->fuellen(std::min(m_.anzlin, kTabellenGrenze));
}

void WINdebug::neuFuellen() {
    debugzeigen();
    for (auto [view, marke] :
         {std::pair(LBpunkte_, m_.debugpkt), std::pair(LBlinien_, m_.debuglinie)}) {
        if (marke > 0) {
            view->selectRow(marke - 1);
        }
    }
}

void WINdebug::Event_Open(const QWidget& haupt) {
    debugzeigen();
    markenZeigen(); // the drawing may have picked before the window opened
    move(600, haupt.y());
}

void WINdebug::LBpunkte_CellClick(const QModelIndex& index) {
    if (m_.debugpkt != index.row() + 1) {
        vorigerPkt_ = m_.debugpkt;
    }
    markieren(m_.debugpkt, index.row() + 1);
}

void WINdebug::LBlinien_CellClick(const QModelIndex& index) {
    markieren(m_.debuglinie, index.row() + 1);
}

// A mark that stays as it is is not drawn again: a click has selected its row, and so marked
// it, before it reports.
void WINdebug::markieren(int& marke, int nummer) {
    if (marke != nummer) {
        marke = nummer;
        m_.messpkt = 0;
        zeichnen(m_);
    }
}

// From the point marked before the current row was chosen, or from the marked point where
// the current row is another, to the current row's point. The measurement's first point stays
// the selected row, as after a measurement on the drawing.
void WINdebug::messen() {
    const QModelIndex index = LBpunkte_->currentIndex();
    if (!index.isValid()) {
        return;
    }
    const int ziel = index.row() + 1;
    const int anfang = m_.debugpkt == ziel ? vorigerPkt_ : m_.debugpkt;
    if (anfang > 0 && anfang != ziel && m_.messpkt != ziel) {
        m_.debugpkt = anfang;
        LBpunkte_->selectRow(anfang - 1);
        m_.messpkt = ziel;
        zeichnen(m_);
    }
}

void WINdebug::markenZeigen() {
    const QModelIndexList vorher = LBpunkte_->selectionModel()->selectedRows();
    if (!vorher.isEmpty() && vorher.constFirst().row() + 1 != m_.debugpkt) {
        vorigerPkt_ = vorher.constFirst().row() + 1;
    }
    for (auto [view, marke] :
         {std::pair(LBpunkte_, m_.debugpkt), std::pair(LBlinien_, m_.debuglinie)}) {
        if (marke > 0) {
            view->selectRow(marke - 1);
            view->scrollTo(view->model()->index(marke - 1, 0));
        } else {
            view->clearSelection();
        }
    }
}

void WINdebug::Event_Close() {
    m_.debugpkt = 0;
    m_.messpkt = 0;
    m_.debuglinie = 0;
    zeichnen(m_);
}

void WINdebug::closeEvent(QCloseEvent* event) {
    event->accept();
    Event_Close();
}

} // namespace wyk
