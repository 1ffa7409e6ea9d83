// The picture menu of the main window: its controls, the zones that open the activities with
// their codes, and the hover line.
#include "core/controls.h"
#include "core/sharedstate.h"
#include "core/twips.h"
#include "shell/form1.h"
#include "shell/picturemenu/picturemenu.h"
#include "testservices.h"

#include <QMouseEvent>
#include <QTest>

namespace pm = picturemenu;

namespace {
// Notes the ActivityCode at the moment a window of the given name appears.
class ShowWatcher : public QObject {
public:
    ShowWatcher(SharedState& state, QString name) : state_(state), name_(std::move(name)) {
        qApp->installEventFilter(this);
    }
    int codeAtShow = -1;
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow() && watched->objectName() == name_) {
            codeAtShow = state_.ActivityCode();
            ++shows;
        }
        return false;
    }

private:
    SharedState& state_;
    QString name_;
};

// Counts the mouse moves that reach a widget itself.
class MoveCounter : public QObject {
public:
    explicit MoveCounter(QWidget* w) : w_(w) { w->installEventFilter(this); }
    int moves = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == w_ && event->type() == QEvent::MouseMove) ++moves;
        return false;
    }

private:
    QWidget* w_;
};

struct Fixture {
    TestServices t;
    form1* f = nullptr;
    Fixture() { f = &t.forms().show<form1>(); }
    QPoint inWindow(QWidget* w, QPoint p) const { return w->mapTo(f, p); }
    QPoint zoneCentre(int zone) const { return inWindow(f->Label8[zone], f->Label8[zone]->rect().center()); }
    QPoint menuPoint(QPoint p) const { return inWindow(f->Picture7, p); }
    void moveTo(QPoint inForm) { QTest::mouseMove(f, inForm); }
};
} // namespace

class TestForm1PictureMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every window the picture menu opens is one the program registers.
    void everyWindowIsRegistered() {
        TestServices t;
        for (int a = 0; a < pm::AreaCount; ++a)
            QVERIFY2(t.forms().isRegistered(pm::windowName(a)), qPrintable(pm::windowName(a)));
    }

    void controlsLieWhereDesigned() {
        Fixture x;
        form1& f = *x.f;
        QCOMPARE(f.Picture7->parentWidget(), f.client);
        QCOMPARE(f.Picture7->geometry(), QRect(172, 36, 667, 520));
        QCOMPARE(f.Picture7->Picture().size(), QSize(667, 520));
        QCOMPARE(f.Picture9->parentWidget(), f.Picture7);
        QCOMPARE(f.Picture9->geometry(), QRect(444, 294, 106, 72));
        QCOMPARE(f.Picture9->Picture().size(), QSize(106, 72));
        QCOMPARE(f.Picture10->parentWidget(), f.Picture7);
        QCOMPARE(f.Picture10->geometry(), QRect(120, 437, 104, 70));
        QCOMPARE(f.Picture10->Picture().size(), QSize(104, 70));
        QCOMPARE(f.Label7->geometry(), QRect(230, 462, 424, 45));
        QCOMPARE(f.Label7->text(), QString());
        QCOMPARE(f.Label7->font().pointSize(), 18);
        QVERIFY(f.Label7->font().bold());
        QCOMPARE(f.Label7->palette().color(QPalette::WindowText), QColor(64, 64, 64));
        QVERIFY(f.Label7->alignment() & Qt::AlignHCenter);
        // The whole picture menu is inside the window.
        QVERIFY(f.client->rect().contains(f.Picture7->geometry()));
        for (int i = 0; i < pm::ZoneCount; ++i) {
            const pm::Zone& z = pm::zones()[i];
            QCOMPARE(f.Label8[i]->objectName(), QString("Label8_%1").arg(i));
            QCOMPARE(f.Label8[i]->parentWidget(), i == 28 ? f.Picture9 : f.Picture7);
            QCOMPARE(f.Label8[i]->geometry(), twRect(z.left, z.top, 1635, 1140));
            QCOMPARE(f.Label8[i]->text(), QString());
            QVERIFY(f.Label8[i]->isVisible());
        }
        for (int a = 0; a < pm::AreaCount; ++a) {
            const int width = f.Label7->fontMetrics().horizontalAdvance(pm::hoverText(a));
            QVERIFY2(width <= f.Label7->width(), qPrintable(pm::hoverText(a)));
        }
    }

    // The widget under each point of the picture menu is the one of the area the point belongs to.
    void eachPointAnswersForItsArea() {
        Fixture x;
        form1& f = *x.f;
        for (int y = 0; y < f.Picture7->height(); y += 1)
            for (int px = 0; px < f.Picture7->width(); px += 1) {
                const QPoint p(px, y);
                const int area = pm::areaAt(p);
                QWidget* at = f.Picture7->childAt(p);
                QWidget* expected = area == pm::ExtraIcon ? static_cast<QWidget*>(f.Picture10)
                                    : area >= 0           ? f.Label8[area]
                                                          : nullptr;
                if (area == pm::NoArea) {
                    if (at == f.Label7 || (at == f.Picture9 && pm::picture9Rect().contains(p))) continue;
                }
                if (at != expected)
                    QFAIL(qPrintable(QString("at %1,%2: %3, expected area %4")
                                         .arg(px)
                                         .arg(y)
                                         .arg(at ? at->objectName() : "nothing")
                                         .arg(area)));
            }
    }

    void zoneOpensItsWindow_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("codeFirst");
        const struct {
            int zone;
            const char* window;
            int code;
            bool codeFirst;
        } rows[] = {
            {0, "Form6", 11, true},
            {1, "formk", 1, true},
            {2, "amaga", 2, true},
            {3, "escritors", 3, false},
            {4, "palabrejas", 100, false},
            {5, "trobass", 6, false},
            {6, "Form15", 2, false},
            {7, "Form2", 7, true},
            {8, "Form5", 8, true},
            {9, "Form7", 9, true},
            {10, "letrascolores", 200, false},
            {11, "Form16", 300, false},
            {12, "Form61", 10, true},
            {13, "Form3", 12, true},
            {14, "Form10", 5000, true},
            {15, "Form9", 14, true},
            {16, "Form4", 20, true},
            {17, "Form12", 15, true},
            {18, "Form11", 16, true},
            {19, "COMPRAWWW", 17, true},
            {20, "movile", 500, false},
            {21, "Form13", 1000, false},
            {22, "cancions", 700, false},
            {23, "form50", 18, true},
            {24, "Form14", 19, true},
            {25, "Form18", 999, false},
            {26, "Form8", 21, true},
            {27, "todossi", 101, false},
            {28, "Form26", 4444, false},
            {29, "Form17", 44444, false},
        };
        for (const auto& r : rows)
            QTest::addRow("zone %d %s", r.zone, r.window)
                << r.zone << QString(r.window) << r.code << r.codeFirst;
    }
    // A release of any button over the zone's centre opens its window and writes its code, in
    // the zone's order.
    void zoneOpensItsWindow() {
        QFETCH(int, zone);
        QFETCH(QString, window);
        QFETCH(int, code);
        QFETCH(bool, codeFirst);
        Fixture x;
        const QPoint centre = x.zoneCentre(zone);
        QCOMPARE(x.f->childAt(centre), x.f->Label8[zone]);
        constexpr int before = 424242;
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            x.t.state().setActivityCode(before);
            ShowWatcher watch(x.t.state(), window);
            QTest::mouseClick(x.f->windowHandle(), button, {}, centre);
            QVERIFY2(x.t.forms().isLoaded(window), qPrintable(window));
            QVERIFY(x.t.forms().loaded(window)->isVisible());
            QCOMPARE(watch.shows, 1);
            QCOMPARE(x.t.state().ActivityCode(), code);
            QCOMPARE(watch.codeAtShow, codeFirst ? code : before);
            x.t.forms().unload(window);
            QVERIFY(!x.t.forms().isLoaded(window));
        }
    }

    // A press on a zone and a release elsewhere still opens the zone's activity: the release
    // belongs to the control that took the press.
    void releaseBelongsToThePressedZone() {
        Fixture x;
        QTest::mousePress(x.f->windowHandle(), Qt::LeftButton, {}, x.zoneCentre(3));
        QTest::mouseRelease(x.f->windowHandle(), Qt::LeftButton, {}, x.zoneCentre(4));
        QVERIFY(x.t.forms().isLoaded("escritors"));
        QVERIFY(!x.t.forms().isLoaded("palabrejas"));
        QCOMPARE(x.t.state().ActivityCode(), 3);
    }

    void pictureWordSearchOpensWithoutCode() {
        Fixture x;
        x.t.state().setActivityCode(3);
        const QPoint centre = x.inWindow(x.f->Picture10, x.f->Picture10->rect().center());
        QCOMPARE(x.f->childAt(centre), x.f->Picture10);
        QTest::mouseClick(x.f->windowHandle(), Qt::LeftButton, {}, centre);
        QVERIFY(x.t.forms().isLoaded("Form19"));
        QVERIFY(x.t.forms().loaded("Form19")->isVisible());
        QCOMPARE(x.t.state().ActivityCode(), 3);
    }

    void pressingTheBarePictureOpensNothing() {
        Fixture x;
        const QStringList before = x.t.forms().names();
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
            QTest::mouseClick(x.f->windowHandle(), button, {}, x.menuPoint({600, 300}));
        for (const QString& name : before)
            if (name != "form1") QVERIFY2(!x.t.forms().isLoaded(name), qPrintable(name));
        QCOMPARE(x.t.state().ActivityCode(), 0);
    }

    void hoverLineNamesThePointedActivity() {
        Fixture x;
        form1& f = *x.f;
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        x.moveTo(x.zoneCentre(5));
        QCOMPARE(f.Label7->text(), QString("Busca una paraula"));
        // Leaving the picture menu for the window's background keeps the last name.
        x.moveTo(f.client->mapTo(&f, QPoint(60, 600)));
        QCOMPARE(f.Label7->text(), QString("Busca una paraula"));
        x.moveTo(x.zoneCentre(28));
        QCOMPARE(f.Label7->text(), QString::fromUtf8("Ordenar lletres"));
        // Over the hover line itself, or Picture9 beside its zone, nothing changes.
        x.moveTo(x.inWindow(f.Label7, f.Label7->rect().center()));
        QCOMPARE(f.Label7->text(), QString::fromUtf8("Ordenar lletres"));
        x.moveTo(x.menuPoint({446, 330}));
        QCOMPARE(f.Label7->text(), QString::fromUtf8("Ordenar lletres"));
        x.moveTo(x.inWindow(f.Picture10, f.Picture10->rect().center()));
        QCOMPARE(f.Label7->text(), QString("Sopa de lletres amb dibuix"));
        x.moveTo(x.zoneCentre(27));
        QCOMPARE(f.Label7->text(), QString::fromUtf8("Imprimir fulls de càlcul"));
        // The bare picture empties it.
        x.moveTo(x.menuPoint({600, 300}));
        QCOMPARE(f.Label7->text(), QString());
    }

    void hoverFollowsTheZoneTable_data() {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("hover");
        QTest::newRow("0") << 0 << QString::fromUtf8("Auca, montar històries");
        QTest::newRow("4") << 4 << QString::fromUtf8("Màquina d'escriure");
        QTest::newRow("14") << 14 << QString::fromUtf8("Efectes fotogràfics");
        QTest::newRow("18") << 18 << QString::fromUtf8("Telèfon");
        QTest::newRow("20") << 20 << QString::fromUtf8("Carga telefònica");
        QTest::newRow("26") << 26 << QString::fromUtf8("Empaqueta fotografies");
        QTest::newRow("29") << 29 << QString::fromUtf8("Targetes de visita");
    }
    void hoverFollowsTheZoneTable() {
        QFETCH(int, zone);
        QFETCH(QString, hover);
        Fixture x;
        QVERIFY(QTest::qWaitForWindowExposed(x.f));
        x.moveTo(x.zoneCentre(zone));
        QCOMPARE(x.f->Label7->text(), hover);
    }

    // Moves over the picture menu are its own: none reaches the window's background.
    void movesOverTheMenuStayInIt() {
        Fixture x;
        form1& f = *x.f;
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        // As a window that follows the mouse over its background would.
        f.setMouseTracking(true);
        f.client->setMouseTracking(true);
        MoveCounter onClient(f.client), onWindow(&f);
        QList<QPoint> points;
        for (int i = 0; i < pm::ZoneCount; ++i)
            points << x.zoneCentre(i);
        points << x.menuPoint({600, 300}) << x.menuPoint({446, 330}) << x.inWindow(f.Picture10, {50, 30})
               << x.inWindow(f.Label7, {200, 20});
        for (const QPoint& p : points)
            x.moveTo(p);
        QCOMPARE(onClient.moves + onWindow.moves, 0);
        x.moveTo(f.client->mapTo(&f, QPoint(60, 600)));
        QVERIFY(onClient.moves + onWindow.moves > 0);
    }
};

QTEST_MAIN(TestForm1PictureMenu)
#include "tst_form1picturemenu.moc"
