#include "app/winhaupt.h"

#include "app/canvas.h"
#include "app/einzelfenster.h"
#include "app/menubar.h"
#include "app/platzieren.h"
#include "app/updownarrows.h"
#include "platform/dateiname.h"
#include "view/ansichten.h"
#include "view/interaction.h"
#include "view/projection.h"
#include "view/renderer.h"
#include "view/zeigen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <array>

namespace wyk {

namespace {

// The file the first URL a drag carries names, by the rules of the command line; an empty text
// where it names none.
QString lokaleDatei(const QMimeData* daten) {
    if (daten == nullptr || !daten->hasUrls() || daten->urls().isEmpty()) {
        return {};
    }
    QString grund;
    const QString url = QString::fromLatin1(daten->urls().constFirst().toEncoded());
    return url.startsWith(QLatin1String("file://"))
               ? dateiAusArgument(url, grund).value_or(QString())
               : QString();
}

// A drop opens the file and leaves it where it is: it is taken as a copy, never as a move,
// after which the source would delete the file. Gives the file, or an empty text when the
// drop is refused.
QString alsKopie(QDropEvent* event) {
    const QString path = lokaleDatei(event->mimeData());
    if (path.isEmpty() || (event->possibleActions() & Qt::CopyAction) == 0) {
        event->ignore();
        return {};
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return path;
}

// What a screen reader reads of the drawing's keys, action by action where kZeichnungsTasten
// has keys for it: the sentence, with %1 the German names of those keys joined by the word.
struct Tastensatz {
    Tastenwirkung wirkung;
    const char* verbindung;
    const char* satz;
};
constexpr std::array<Tastensatz, 5> kTastenSaetze = {{
    {Tastenwirkung::Ziehen, "", "Pfeiltasten drehen oder verschieben"},
    {Tastenwirkung::Zoom, "", "Plus und Minus zoomen"},
    {Tastenwirkung::Zuruecksetzen, "oder", "%1 stellt die Ansicht zurück"},
    {Tastenwirkung::Seite, "und",
     "%1 zeigen es von vorn, rechts und oben, mit Strg von der Gegenseite"},
    {Tastenwirkung::Einpassen, "und", "%1 passt es ein"},
}};

// "A", "A oder B", "A, B und C".
QString aufgezaehlt(const QStringList& namen, const char* verbindung) {
    if (namen.size() < 2) {
        return namen.join(QString());
    }
    return namen.mid(0, namen.size() - 1).join(QStringLiteral(", ")) + QLatin1Char(' ') +
           QString::fromUtf8(verbindung) + QLatin1Char(' ') + namen.constLast();
}

// What a screen reader reads for the drawing: the model and the keys that work on it.
QString zeichnungsName(const QString& modell) {
    QStringList saetze;
    for (const Tastensatz& s : kTastenSaetze) {
        QStringList namen;
        for (const Zeichnungstaste& t : kZeichnungsTasten) {
            if (t.wirkung == s.wirkung) {
                namen << QString::fromUtf8(t.namen.deutsch);
            }
        }
        const QString satz = QString::fromUtf8(s.satz);
        if (!namen.isEmpty()) {
            saetze << (satz.contains(QLatin1String("%1"))
                           ? satz.arg(aufgezaehlt(namen, s.verbindung))
                           : satz);
        }
    }
    return (modell.isEmpty() ? QStringLiteral("Zeichnung ohne Modell")
                             : QStringLiteral("Modell „%1“").arg(modell)) +
           QStringLiteral(". ") + saetze.join(QStringLiteral(", ")) + QLatin1Char('.');
}

} // namespace

WINhaupt::WINhaupt(Module1& m, MenuBar1* menuBar) : m_(m) {
    Layout(menuBar);
    CreateControls();
    createZeichnungsMenue(*menuBar);
    verbindeModul();
    tabReihenfolge();
    inhalt_->installEventFilter(this);
    EFzoom_->installEventFilter(this);
    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setSingleShot(true);
    Timer1_->setInterval(500);
    connect(Timer1_, &QTimer::timeout, this, &WINhaupt::Timer1_Action);
    Timer1_->start();
}

WINhaupt::~WINhaupt() {
    m_.fenster.zoomTextSetzen = nullptr;
    m_.fenster.canvasZeigen = nullptr;
}

void WINhaupt::Layout(MenuBar1* menuBar) {
    setWindowTitle(QStringLiteral("WYK-Viewer"));
    setWindowFlags(kFensterRahmen);
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The window's size limits follow the content's limits plus the menu bar.
    layout->setSizeConstraint(QLayout::SetMinAndMaxSize);
    layout->setMenuBar(menuBar);
    inhalt_ = new QWidget(this);
    inhalt_->setMinimumSize(kInhaltMin);
    inhalt_->setMaximumSize(kInhaltMax);
    layout->addWidget(inhalt_);
    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("SBstatus"));
    status_->setSizeGripEnabled(false);
    // The content takes every change of the window's size; the line keeps its height.
    status_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(status_);
    layout->activate();
    resize(minimumSize());
}

void WINhaupt::CreateControls() {
    createAnzeige();
    createAnsicht();
    CAhaupt_ = new Canvas(m_.zebild, inhalt_);
    CAhaupt_->setAccessibleName(zeichnungsName({}));
    platzieren(CAhaupt_, "CAhaupt", QRect(kCanvasEcke, QSize(m_.breite, m_.hoehe)), inhalt_);
    connect(CAhaupt_, &Canvas::mausRunter, this, &WINhaupt::CAhaupt_MouseDown);
    connect(CAhaupt_, &Canvas::mausGezogen, this, &WINhaupt::CAhaupt_MouseDrag);
    connect(CAhaupt_, &Canvas::mausRad, this, &WINhaupt::CAhaupt_MouseWheel);
    connect(CAhaupt_, &Canvas::tasteGedrueckt, this, &WINhaupt::CAhaupt_KeyDown);
    connect(CAhaupt_, &Canvas::dichteGeaendert, this, &WINhaupt::CAhaupt_ScaleFactorChanged);
    connect(CAhaupt_, &Canvas::menueGewuenscht, this, &WINhaupt::CAhaupt_ContextMenu);
    connect(CAhaupt_, &Canvas::zeigerBewegt, this, &WINhaupt::CAhaupt_MouseMove);
    connect(CAhaupt_, &Canvas::zeigerWeg, this, &WINhaupt::CAhaupt_MouseExit);
    connect(CAhaupt_, &Canvas::geklickt, this, &WINhaupt::CAhaupt_Click);
    createKnoepfe();
}

// Group "Anzeige": which parts of the scene are drawn.
void WINhaupt::createAnzeige() {
    auto* GroupBox1 = new QGroupBox(QStringLiteral("Anzeige"), inhalt_);
    platzieren(GroupBox1, "GroupBox1", QRect(16, 15, 132, 97), inhalt_);
    // The boxes start as the shared state does: points off, lines and axes on.
    CBpunkte_ = new QCheckBox(QStringLiteral("Punkte"), GroupBox1);
    CBpunkte_->setChecked(m_.anzeige.punkte);
    platzieren(CBpunkte_, "CBpunkte", QRect(27, 37, 72, 22), inhalt_);
    CBlinien_ = new QCheckBox(QStringLiteral("Linien"), GroupBox1);
    CBlinien_->setChecked(m_.anzeige.linien);
    platzieren(CBlinien_, "CBlinien", QRect(27, 56, 72, 22), inhalt_);
    CBachsen_ = new QCheckBox(QStringLiteral("Achsen"), GroupBox1);
    CBachsen_->setChecked(m_.anzeige.achsen);
    platzieren(CBachsen_, "CBachsen", QRect(27, 85, 114, 22), inhalt_);
    for (QCheckBox* box : {CBpunkte_, CBlinien_, CBachsen_}) {
        connect(box, &QCheckBox::toggled, this, &WINhaupt::CB_Action);
    }
}

// Group "Ansicht": reset, zoom and what a drag does.
void WINhaupt::createAnsicht() {
    auto* GroupBox2 = new QGroupBox(QStringLiteral("Ansicht"), inhalt_);
    platzieren(GroupBox2, "GroupBox2", QRect(16, 124, 132, 159), inhalt_);
    auto* reset = new QPushButton(QStringLiteral("reset"), GroupBox2);
    platzieren(reset, "PushButton1", QRect(49, 246, 68, 20), inhalt_);
    connect(reset, &QPushButton::clicked, this, &WINhaupt::PushButton1_Action);
    auto* pfeile = new UpDownArrows(GroupBox2);
    platzieren(pfeile, "UPDzoom", QRect(121, 153, 13, 23), inhalt_);
    connect(pfeile, &UpDownArrows::down, this, &WINhaupt::UPDzoom_Down);
    connect(pfeile, &UpDownArrows::up, this, &WINhaupt::UPDzoom_Up);
    EFzoom_ = new QLineEdit(QStringLiteral("10"), GroupBox2);
    EFzoom_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EFzoom_->setAccessibleName(QStringLiteral("Zoom"));
    platzieren(EFzoom_, "EFzoom", QRect(73, 153, 44, 22), inhalt_);
    connect(EFzoom_, &QLineEdit::textEdited, this, &WINhaupt::EFzoom_TextChange);
    RBdrag0_ = new QRadioButton(QStringLiteral("rotieren"), GroupBox2);
    RBdrag0_->setChecked(true);
    platzieren(RBdrag0_, "RBdrag0", QRect(25, 188, 100, 20), inhalt_);
    platzieren(new QRadioButton(QStringLiteral("verschieben"), GroupBox2), "RBdrag1",
               QRect(25, 214, 100, 20), inhalt_);
    auto* zoom = new QLabel(QStringLiteral("Zoom"), GroupBox2);
    zoom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    zoom->setBuddy(EFzoom_);
    platzieren(zoom, "StaticText1", QRect(25, 153, 42, 20), inhalt_);
}

void WINhaupt::createKnoepfe() {
    auto* laden = new QPushButton(QStringLiteral("WYK laden"), inhalt_);
    platzieren(laden, "PushButton2", QRect(29, 304, 109, 20), inhalt_);
    connect(laden, &QPushButton::clicked, this, &WINhaupt::PushButton2_Action);
    auto* debug = new QPushButton(QStringLiteral("Debug"), inhalt_);
    platzieren(debug, "PushButton3", QRect(29, 358, 109, 20), inhalt_);
    connect(debug, &QPushButton::clicked, this, &WINhaupt::PushButton3_Action);
}

// The shared state reaches the zoom field and the canvas through these.
void WINhaupt::verbindeModul() {
    m_.fenster.zoomTextSetzen = [this](const QString& text) { EFzoom_->setText(text); };
    m_.fenster.canvasZeigen = [this] {
        CAhaupt_->update();
        statusZeigen();
    };
}

// The drawing's context menu. Each command calls what its key or control does; a key shown is
// only shown, the drawing's own key handling stays the one that acts on it.
void WINhaupt::createZeichnungsMenue(const MenuBar1& menuBar) {
    zeichnungsMenue_ = new QMenu(QStringLiteral("Zeichnung"), this);
    zeichnungsMenue_->setObjectName(QStringLiteral("Zeichnungsmenue"));
    // The captions of the standard views, in the order of kSeiten.
    constexpr std::array<const char*, kSeiten.size()> kSeitenNamen = {
        "von vorne", "von hinten", "von rechts",  "von links",
        "von oben",  "von unten",  "Startansicht"};
    for (std::size_t i = 0; i < kSeiten.size(); ++i) {
        connect(menuePunkt(QString::fromUtf8(kSeitenNamen[i]), seitenTaste(i)), &QAction::triggered,
                this, [this, i] { seiteZeigen(m_, kSeiten[i]); });
    }
    zeichnungsMenue_->addSeparator();
    connect(menuePunkt(QStringLiteral("Einpassen"), einpassTaste()), &QAction::triggered, this,
            [this] { einpassenZeigen(m_); });
    beimLadenEinpassen_ = menuePunkt(QStringLiteral("Beim Laden einpassen"), {});
    beimLadenEinpassen_->setCheckable(true);
    zeichnungsMenue_->addSeparator();
    connect(menuePunkt(QStringLiteral("Bild kopieren"), menuBar.EditCopy->shortcut()),
            &QAction::triggered, this, &WINhaupt::kopierenGewuenscht);
    zeichnungsMenue_->addSeparator();
    // The boxes' items carry their captions and their ticks, both ways.
    for (QCheckBox* box : {CBpunkte_, CBlinien_, CBachsen_}) {
        QAction* eintrag = menuePunkt(box->text(), {});
        eintrag->setCheckable(true);
        eintrag->setChecked(box->isChecked());
        connect(eintrag, &QAction::toggled, box, &QCheckBox::setChecked);
        connect(box, &QCheckBox::toggled, eintrag, &QAction::setChecked);
    }
    zeichnungsMenue_->addSeparator();
    const auto* debug = inhalt_->findChild<QPushButton*>(QStringLiteral("PushButton3"));
    connect(menuePunkt(debug->text(), {}), &QAction::triggered, this,
            &WINhaupt::PushButton3_Action);
}

// An item of the drawing's context menu. The menu is attached nowhere else, so the key it
// shows is never a shortcut of its own.
QAction* WINhaupt::menuePunkt(const QString& text, const QKeySequence& taste) {
    QAction* eintrag = zeichnungsMenue_->addAction(text);
    eintrag->setShortcut(taste);
    return eintrag;
}

bool WINhaupt::beimLadenEinpassen() const {
    return beimLadenEinpassen_->isChecked();
}

void WINhaupt::beimLadenEinpassenSetzen(bool einpassen) {
    beimLadenEinpassen_->setChecked(einpassen);
}

// Tab goes through the controls in the order they stand, top to bottom: the drawing (at the
// top, on the right), the check boxes, the zoom field, the mode, then the buttons.
void WINhaupt::tabReihenfolge() {
    QWidget* vorher = CAhaupt_;
    for (const char* name : {"CBpunkte", "CBlinien", "CBachsen", "EFzoom", "RBdrag0", "RBdrag1",
                             "PushButton1", "PushButton2", "PushButton3"}) {
        QWidget* naechstes = inhalt_->findChild<QWidget*>(QString::fromLatin1(name));
        setTabOrder(vorher, naechstes);
        vorher = naechstes;
    }
}

void WINhaupt::modellBenennen() {
    setWindowTitle(QStringLiteral("%1 – WYK-Viewer").arg(m_.datname));
    CAhaupt_->setAccessibleName(zeichnungsName(m_.datname));
}

Outcome WINhaupt::Event_Open() {
    m_.dichte = CAhaupt_->devicePixelRatioF();
    return init(m_);
}

// CBpunkte, CBlinien and CBachsen: the boxes' state goes into the shared state, which every
// drawing reads.
void WINhaupt::CB_Action() {
    m_.anzeige = {CBpunkte_->isChecked(), CBlinien_->isChecked(), CBachsen_->isChecked()};
    zeichnen(m_);
}

void WINhaupt::PushButton1_Action() {
    zuruecksetzen(m_);
}

void WINhaupt::UPDzoom_Down() {
    zoomRunter(m_);
}

void WINhaupt::UPDzoom_Up() {
    zoomRauf(m_);
}

void WINhaupt::EFzoom_TextChange(const QString& text) {
    if (zoomText(m_, text)) {
        EFzoom_->setText(QStringLiteral("1"));
    }
}

void WINhaupt::CAhaupt_MouseDown(int x, int y) {
    mausRunter(m_, x, y);
}

// The other motion turns where the mode shifts, and shifts where it turns.
void WINhaupt::CAhaupt_MouseDrag(int x, int y, bool andere) {
    mausZiehen(m_, x, y, RBdrag0_->isChecked() != andere);
}

void WINhaupt::CAhaupt_ContextMenu(QPoint wo) {
    zeichnungsMenue_->popup(wo);
}

void WINhaupt::CAhaupt_MouseWheel(int delta) {
    mausRad(m_, delta);
}

// Escape that ends a measurement changes the marks.
void WINhaupt::CAhaupt_KeyDown(const Zeichnungstaste& taste, Qt::KeyboardModifiers mods) {
    if (tasteWirken(m_, taste, mods, RBdrag0_->isChecked()) &&
        taste.wirkung == Tastenwirkung::MessungBeenden) {
        emit markenGewaehlt();
    }
}

bool WINhaupt::EFzoom_KeyDown(const QKeyEvent& taste) {
    return zoomTaste(m_, taste.key());
}

void WINhaupt::CAhaupt_ScaleFactorChanged(double dichte) {
    dichteSetzen(m_, dichte);
}

// The pointer rests over the drawing: the status line names what lies under it. Nothing is
// redrawn.
void WINhaupt::CAhaupt_MouseMove(int x, int y) {
    zeiger_ = QPoint(x, y);
    statusZeigen();
}

void WINhaupt::CAhaupt_MouseExit() {
    zeiger_.reset();
    statusZeigen();
}

void WINhaupt::CAhaupt_Click(int x, int y, bool umschalt) {
    zeiger_ = QPoint(x, y);
    klicken(m_, x, y, umschalt);
    statusZeigen();
    emit markenGewaehlt();
}

// The measurement that stands, else what lies under the resting pointer, else nothing.
void WINhaupt::statusZeigen() {
    QString text = markenText(m_);
    if (text.isEmpty() && zeiger_) {
        text = trefferText(m_, trefferBei(m_, zeiger_->x(), zeiger_->y()));
    }
    if (text != status_->currentMessage()) {
        status_->showMessage(text);
    }
}

void WINhaupt::PushButton2_Action() {
    emit ladenGewuenscht();
}

void WINhaupt::Timer1_Action() {
    rotation2(m_);
    zeichnen(m_);
}

void WINhaupt::PushButton3_Action() {
    emit debugGewuenscht();
}

void WINhaupt::Event_Resized(QSize inhalt) {
    CAhaupt_->resize(zeichenBreite(inhalt.width()), zeichenHoehe(inhalt.height()));
    groesseGeaendert(m_, inhalt.width(), inhalt.height());
}

void WINhaupt::Event_Close() {
    emit schliesst();
    QCoreApplication::exit(0);
}

bool WINhaupt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inhalt_ && event->type() == QEvent::Resize) {
        Event_Resized(inhalt_->size());
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& taste = *static_cast<const QKeyEvent*>(event);
        if (watched == EFzoom_ && EFzoom_KeyDown(taste)) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WINhaupt::closeEvent(QCloseEvent* event) {
    event->accept();
    Event_Close();
}

void WINhaupt::dragEnterEvent(QDragEnterEvent* event) {
    alsKopie(event);
}

void WINhaupt::dragMoveEvent(QDragMoveEvent* event) {
    alsKopie(event);
}

void WINhaupt::dropEvent(QDropEvent* event) {
    if (const QString path = alsKopie(event); !path.isEmpty()) {
        emit dateiAbgelegt(path);
    }
}

} // namespace wyk
