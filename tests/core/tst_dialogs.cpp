// Filters written as description/pattern pairs, and the open dialog built from them.
#include "core/choosefile.h"
#include "core/errorbox.h"
#include "core/translation.h"
#include "platform/filefilter.h"
#include "platform/qtdialogs.h"
#include "testservices.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parseFilter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("word lists") << "(*.bak)|*.bak|" << QStringList{"(*.bak) (*.bak)"};
        QTest::newRow("stray parenthesis") << "(*.bak)|*.bak;)" << QStringList{"(*.bak) (*.bak)"};
        QTest::newRow("two entries") << "Text (*.txt)|*.txt|Tot|*.*"
                                     << QStringList{"Text (*.txt) (*.txt)", "Tot (*.*)"};
        QTest::newRow("several patterns") << QString::fromUtf8("GRÀFICS|*.gif;*.jpg;*.bmp")
                                          << QStringList{QString::fromUtf8("GRÀFICS (*.gif *.jpg *.bmp)")};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("description only") << "Tots" << QStringList{"Tots (*)"};
        QTest::newRow("patterns only") << "*.RTF;*.doc" << QStringList{"*.RTF;*.doc (*.RTF *.doc)"};
    }
    void parseFilter() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(toQtNameFilters(parseFileFilter(filter)), qt);
    }

    void matchingIgnoresCase() {
        const QStringList patterns = parseFileFilter("(*.bak)|*.bak|").first().patterns;
        QVERIFY(matchesPatterns(patterns, "x.bak"));
        QVERIFY(matchesPatterns(patterns, "X.BAK"));
        QVERIFY(!matchesPatterns(patterns, "x.txt"));
        QVERIFY(!matchesPatterns(patterns, "x.bak.txt"));
    }

    // The real dialog lists only the names that match, whatever their case.
    void dialogListsMatchingNames_data() {
        QTest::addColumn<QString>("filter");
        QTest::newRow("saving a list") << "(*.bak)|*.bak|";
        QTest::newRow("opening a list") << "(*.bak)|*.bak;)";
        QTest::newRow("patterns only") << "*.BAK;*.doc";
    }
    void dialogListsMatchingNames() {
        QFETCH(QString, filter);
        QTemporaryDir dir;
        for (const char* name : {"x.bak", "X.BAK", "x.txt"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        std::unique_ptr<QFileDialog> dlg(QtDialogs::createOpenDialog(nullptr, {dir.path(), filter, "t"}));
        auto* model = dlg->findChild<QFileSystemModel*>();
        QVERIFY(model);
        dlg->show();
        // The model fills in the background, parent folders first: wait for the listing itself.
        const auto listed = [&] {
            const QModelIndex root = model->index(dir.path());
            QStringList out;
            for (int r = 0; r < model->rowCount(root); ++r) {
                const QModelIndex i = model->index(r, 0, root);
                if (i.flags() & Qt::ItemIsEnabled) out << i.data().toString();
            }
            out.sort();
            return out;
        };
        QTRY_COMPARE_WITH_TIMEOUT(listed(), (QStringList{"X.BAK", "x.bak"}), 5000);
        QCOMPARE(QDir(dlg->directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    }

    // A start folder that is missing opens the nearest folder above it, and none at all the home
    // folder: never the process's working folder.
    void missingStartFolderOpensTheNearestOne_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("opened");
        QTest::newRow("exists") << ""
                                << "";
        QTest::newRow("missing child") << "dibuixos"
                                       << "";
        QTest::newRow("missing deeper") << "a/b/c"
                                        << "";
        QTest::newRow("a file") << "fitxer.txt"
                                << "";
        QTest::newRow("none asked") << "<none>"
                                    << "<home>";
    }
    void missingStartFolderOpensTheNearestOne() {
        QFETCH(QString, asked);
        QFETCH(QString, opened);
        QTemporaryDir dir;
        QFile file(dir.filePath("fitxer.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString askedPath = asked == "<none>" ? QString() : QDir::cleanPath(dir.filePath(asked));
        const QString expected = opened == "<home>" ? QDir::homePath() : dir.path();
        std::unique_ptr<QFileDialog> dlg(QtDialogs::createOpenDialog(nullptr, {askedPath, "", "t"}));
        QCOMPARE(QDir(dlg->directory()).canonicalPath(), QDir(expected).canonicalPath());
    }

    void cancelIsToldApart() {
        QtDialogs dialogs;
        QTimer::singleShot(0, [] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) d->reject();
        });
        const OpenAnswer a = dialogs.showOpen(nullptr, {QDir::tempPath(), "(*.bak)|*.bak|", "t"});
        QVERIFY(a.cancelled());
        QVERIFY(!a.failed());
        QVERIFY(a.fileName.isEmpty());
    }

    void typedNameOfMissingFileIsAccepted() {
        QTemporaryDir dir;
        QtDialogs dialogs;
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->selectFile("nova.bak");
            static_cast<QDialog*>(d)->accept();
        });
        const OpenAnswer a = dialogs.showOpen(nullptr, {dir.path(), "(*.bak)|*.bak|", "t"});
        QVERIFY(a.chosen());
        QCOMPARE(QFileInfo(a.fileName).fileName(), QString("nova.bak"));
        QCOMPARE(QFileInfo(a.fileName).dir().canonicalPath(), QDir(dir.path()).canonicalPath());
        QVERIFY(QFileInfo(a.fileName).isAbsolute());
    }

    void questionBoxHasTheQuestionIcon() {
        QtDialogs dialogs;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString text;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                icon = box->icon();
                text = box->text();
                box->accept();
            }
        });
        dialogs.question(nullptr, "En preparació.", "TAUDRIN");
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(text, QString::fromUtf8("En preparació."));
    }

    // OK and Cancel under the critical icon, OK the default; each answer told apart.
    void okCancelBox() {
        QtDialogs dialogs;
        for (const bool ok : {true, false}) {
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QString title;
            bool okIsDefault = false;
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    icon = box->icon();
                    title = box->windowTitle();
                    okIsDefault = box->defaultButton() == box->button(QMessageBox::Ok);
                    box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
                }
            });
            QCOMPARE(dialogs.okCancel(nullptr, "Imprimir", "Operacions"), ok);
            QCOMPARE(icon, QMessageBox::Critical);
            QCOMPARE(title, QString("Operacions"));
            QVERIFY(okIsDefault);
        }
    }

    // Yes and No under the question icon, in Catalan; Enter and Escape answer No.
    void yesNoBox_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << "yes" << true;
        QTest::newRow("No") << "no" << false;
        QTest::newRow("Enter") << "enter" << false;
        QTest::newRow("Escape") << "escape" << false;
    }
    void yesNoBox() {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        QVERIFY(installCatalanTranslation());
        QtDialogs dialogs;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString yesText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            icon = box->icon();
            yesText = box->button(QMessageBox::Yes)->text();
            if (how == "yes") box->button(QMessageBox::Yes)->click();
            if (how == "no") box->button(QMessageBox::No)->click();
            if (how == "enter") QTest::keyClick(box, Qt::Key_Return);
            if (how == "escape") QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(dialogs.yesNo(nullptr, "Vols substituir-la?", "Taudrin"), yes);
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(yesText, QString::fromUtf8("&Sí"));
    }

    // Save, Discard and Cancel in Catalan; Enter saves and Escape cancels, so no slip of a key
    // throws the work away.
    void unsavedWorkBox_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        QTest::newRow("Save") << "save" << int(Dialogs::Unsaved::Save);
        QTest::newRow("Discard") << "discard" << int(Dialogs::Unsaved::Discard);
        QTest::newRow("Cancel") << "cancel" << int(Dialogs::Unsaved::Cancel);
        QTest::newRow("Enter") << "enter" << int(Dialogs::Unsaved::Save);
        QTest::newRow("Escape") << "escape" << int(Dialogs::Unsaved::Cancel);
    }
    void unsavedWorkBox() {
        QFETCH(QString, how);
        QFETCH(int, answer);
        QVERIFY(installCatalanTranslation());
        QtDialogs dialogs;
        QStringList texts;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            for (auto which : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
                texts << box->button(which)->text().remove('&');
            if (how == "save") box->button(QMessageBox::Save)->click();
            if (how == "discard") box->button(QMessageBox::Discard)->click();
            if (how == "cancel") box->button(QMessageBox::Cancel)->click();
            if (how == "enter") QTest::keyClick(box, Qt::Key_Return);
            if (how == "escape") QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(int(dialogs.askUnsaved(nullptr, "Vols desar-la abans de tancar?", "Taudrin")), answer);
        QCOMPARE(texts, (QStringList{"Desa", "Descarta", QString::fromUtf8("Cancel·la")}));
    }

    // Choosing a file moves the current folder to that file's folder; a cancel, a failed dialog or
    // a refused name leave it where it was. A bare name lies in the folder the dialog showed.
    void chooseFileMovesTheCurrentFolder_data() {
        QTest::addColumn<QString>("answer"); // "cancel", "fail", or the name given; P/ is the program folder
        QTest::addColumn<QString>("chosen"); // below the program folder; empty for none
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("error");
        QTest::newRow("file elsewhere") << "P/dibuixos/gat.bmp"
                                        << "dibuixos/gat.bmp"
                                        << "dibuixos" << false;
        QTest::newRow("new file in the lists") << "P/llistes/nova.bak"
                                               << "llistes/nova.bak"
                                               << "llistes" << false;
        QTest::newRow("bare name") << "nova.bak"
                                   << "llistes/nova.bak"
                                   << "llistes" << false;
        QTest::newRow("relative name") << "../dibuixos/gat.bmp"
                                       << "dibuixos/gat.bmp"
                                       << "dibuixos" << false;
        QTest::newRow("cancel") << "cancel"
                                << ""
                                << "llistes" << false;
        QTest::newRow("failed dialog") << "fail"
                                       << ""
                                       << "llistes" << true;
        QTest::newRow("a folder") << "P/dibuixos"
                                  << ""
                                  << "llistes" << true;
        QTest::newRow("a folder by a relative name") << "../dibuixos"
                                                     << ""
                                                     << "llistes" << true;
        QTest::newRow("dot dot") << ".."
                                 << ""
                                 << "llistes" << true;
    }
    void chooseFileMovesTheCurrentFolder() {
        QFETCH(QString, answer);
        QFETCH(QString, chosen);
        QFETCH(QString, current);
        QFETCH(bool, error);
        TestServices t;
        const QDir program(t.programFolder());
        QVERIFY(program.mkpath("dibuixos") && program.mkpath("llistes"));
        QCOMPARE(t.services().currentFolder, program.filePath("llistes"));
        if (answer == "cancel")
            t.dialogs.cancelOpen();
        else if (answer == "fail")
            t.dialogs.failOpen();
        else
            t.dialogs.answerOpen(answer.startsWith("P/") ? program.filePath(answer.mid(2)) : answer);
        const std::optional<QString> got =
            chooseFile(t.services(), nullptr, {program.filePath("llistes"), "", ""});
        QCOMPARE(got.value_or(QString()), chosen.isEmpty() ? QString() : program.filePath(chosen));
        QCOMPARE(t.services().currentFolder, program.filePath(current));
        QCOMPARE(t.services().inCurrentFolder("dib"), program.filePath(current + "/dib"));
        QCOMPARE(t.dialogs.messages, error ? QStringList{"Error"} : QStringList{});
    }

    // Qt's own dialog speaks Catalan like the rest of the program, whatever the desktop's language.
    void openDialogSpeaksCatalan() {
        QVERIFY(installCatalanTranslation());
        std::unique_ptr<QFileDialog> dlg(QtDialogs::createOpenDialog(nullptr, {QDir::tempPath(), "", "t"}));
        dlg->show();
        QStringList texts;
        for (const QLabel* l : dlg->findChildren<QLabel*>())
            texts << l->text();
        for (const QAbstractButton* b : dlg->findChildren<QAbstractButton*>())
            texts << b->text();
        QVERIFY2(texts.contains("&Nom de fitxer:"), qPrintable(texts.join('|')));
        QVERIFY2(texts.contains(QString::fromUtf8("Cancel·la")), qPrintable(texts.join('|')));
    }

    // A save request is a save dialog: its button says "Desa", never "Obre", and a typed new name
    // comes back whole.
    void saveDialogSaysSave() {
        QVERIFY(installCatalanTranslation());
        QTemporaryDir dir;
        OpenRequest request{dir.path(), "*.txt|*.txt", "t"};
        request.save = true;
        std::unique_ptr<QFileDialog> dlg(QtDialogs::createOpenDialog(nullptr, request));
        QCOMPARE(dlg->acceptMode(), QFileDialog::AcceptSave);
        dlg->show();
        QStringList buttons;
        for (const QAbstractButton* b : dlg->findChildren<QAbstractButton*>())
            buttons << b->text().remove('&');
        QVERIFY2(buttons.contains("Desa"), qPrintable(buttons.join('|')));
        QVERIFY2(!buttons.contains("Obre"), qPrintable(buttons.join('|')));
        dlg.reset();

        QtDialogs dialogs;
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            d->selectFile("nou.txt");
            static_cast<QDialog*>(d)->accept();
        });
        const OpenAnswer a = dialogs.showOpen(nullptr, request);
        QVERIFY(a.chosen());
        QCOMPARE(QFileInfo(a.fileName).fileName(), QString("nou.txt"));
    }

    void errorBoxSaysError() {
        TestServices t;
        showError(t.services(), nullptr);
        QCOMPARE(t.dialogs.messages, QStringList{"Error"});
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
