// What setUpApplication changes keeps the desktop's look: the style it installs draws menu bars
// and buttons exactly as the desktop's own, and hands out each standard icon once read.
#include "app/application.h"

#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>

namespace {
// A menu bar too narrow for its menus, so that it shows its extension button, beside a button.
QImage sample() {
    QWidget window;
    window.resize(200, 80);
    auto* bar = new QMenuBar(&window);
    for (const char* name : {"ARXIU", "EDICIÓ", "IMATGES", "OPCIONS", "SORTIR"})
        bar->addMenu(QString::fromUtf8(name))->addAction(QStringLiteral("x"));
    bar->setGeometry(0, 0, 120, 24);
    auto* button = new QPushButton(QStringLiteral("D'acord"), &window);
    button->setGeometry(10, 40, 90, 30);
    return window.grab().toImage();
}
} // namespace

class TestSetup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameLookWithKeptIcons() {
        const QImage before = sample();
        const QIcon plain = qApp->style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        setUpApplication();
        QCOMPARE(sample(), before);
        const QIcon first = qApp->style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        const QIcon again = qApp->style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QCOMPARE(first.cacheKey(), again.cacheKey());
        QCOMPARE(first.pixmap(16, 16).toImage(), plain.pixmap(16, 16).toImage());
        QVERIFY(qApp->style()->standardIcon(QStyle::SP_DialogOkButton).cacheKey() != first.cacheKey());
    }
};

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"
