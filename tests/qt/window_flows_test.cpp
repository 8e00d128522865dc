// The Linux window through its real widgets and dialogs, offscreen: the three
// commands, their refusals, drops, the start file, a long run and a close
// during it, and the password's code page. Sealed files are compared with
// those the Windows program wrote (tests/data).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest/QtTest>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "modal_script.h"
#include "qt/main_window.h"

namespace murkvale {
namespace {

QString dataFile(const QString& name) { return QStringLiteral(MURKVALE_TEST_DATA "/") + name; }

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray("(cannot read ") + path.toUtf8() + ")";
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Clicks `button` and answers the dialogs of the command it starts. The lines
// seen, with a last line when steps were left unused.
QStringList press(MainWindow& window, const char* button, std::deque<ModalStep> steps) {
    ModalScript script(std::move(steps));
    QTest::mouseClick(window.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    QStringList seen = script.seen();
    if (!script.done()) seen << QStringLiteral("(steps left)");
    return seen;
}

QString field(MainWindow& window, const char* name) {
    return window.findChild<QLineEdit*>(QLatin1String(name))->text();
}

void dropUrls(MainWindow& window, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

const QString kOpenAny = QStringLiteral("Open | All Files (*) | ");
const QString kOpenVael = QStringLiteral("Open | Vael Encrypted Files (*.vae);;All Files (*) | ");
const QString kSaveVael =
    QStringLiteral("Save As | Vael Encrypted Files (*.vae);;All Files (*) | vae");
const QString kSaveAny = QStringLiteral("Save As | All Files (*) | ");
const QString kFirstPrompt = QStringLiteral("Password | Please enter a password:");
const QString kRetypePrompt = QStringLiteral("Password | Please retype password:");
const QString kOpenPrompt = QStringLiteral("Password | Please enter password:");

// Sets one locale variable for a test and puts back what was there.
class LocaleVariables {
  public:
    LocaleVariables(const char* lcAll, const char* lang) {
        for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
            const char* value = std::getenv(name);
            saved_.append({name, value ? QByteArray(value) : QByteArray()});
            unsetenv(name);
        }
        if (*lcAll) setenv("LC_ALL", lcAll, 1);
        if (*lang) setenv("LANG", lang, 1);
    }
    ~LocaleVariables() {
        for (const auto& [name, value] : saved_) {
            if (value.isNull()) {
                unsetenv(name);
            } else {
                setenv(name, value.constData(), 1);
            }
        }
    }

  private:
    QList<QPair<const char*, QByteArray>> saved_;
};

}  // namespace

class WindowFlowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        scratch_ = std::make_unique<QTemporaryDir>();
        QVERIFY(scratch_->isValid());
    }

    // The Windows program's bytes for the same file and typed password: in a
    // Russian and a Japanese locale its code pages are 1251 and 932.
    void sealsAsTheWindowsProgramDoes_data() {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("sealed");
        QTest::newRow("ascii") << QByteArray("C.UTF-8") << QStringLiteral("secret")
                               << QStringLiteral("opens_pw-secret_every-byte.vae");
        QTest::newRow("russian") << QByteArray("ru_RU.UTF-8") << QStringLiteral(u"секрет")
                                 << QStringLiteral("code-page/cp1251_every-byte.vae");
        QTest::newRow("japanese") << QByteArray("ja_JP.UTF-8") << QStringLiteral(u"パスワード")
                                  << QStringLiteral("code-page/cp932_every-byte.vae");
    }

    void sealsAsTheWindowsProgramDoes() {
        QFETCH(QByteArray, lang);
        QFETCH(QString, password);
        QFETCH(QString, sealed);
        LocaleVariables locale("", lang.constData());
        MainWindow window;
        window.show();
        const QString plain = dataFile(QStringLiteral("every-byte.plain"));
        QCOMPARE(press(window, "loadFile", {chooseFile(plain)}), QStringList{kOpenAny});
        QCOMPARE(field(window, "filePath"), plain);
        QCOMPARE(field(window, "fileSize"), QStringLiteral("256"));

        // A name typed without an extension gets .vae.
        QStringList seen = press(window, "encrypt",
                                 {typePassword(password), typePassword(password),
                                  chooseFile(scratch(QStringLiteral("sealed")))});
        QCOMPARE(seen, (QStringList{kFirstPrompt, kRetypePrompt, kSaveVael}));
        QCOMPARE(contents(scratch(QStringLiteral("sealed.vae"))), contents(dataFile(sealed)));
        QCOMPARE(field(window, "filePath"), plain);
        QCOMPARE(field(window, "status"), QStringLiteral("Free"));
        QCOMPARE(window.findChild<QProgressBar*>()->value(), 0);

        // And the Windows program's file opens with the same typed password.
        seen = press(window, "decrypt",
                     {chooseFile(dataFile(sealed)), typePassword(password),
                      chooseFile(scratch(QStringLiteral("restored")))});
        QCOMPARE(seen, (QStringList{kOpenVael, kOpenPrompt, kSaveAny}));
        QCOMPARE(contents(scratch(QStringLiteral("restored"))), contents(plain));
    }

    void opensTheWindowsProgramsFiles_data() {
        QTest::addColumn<QString>("sealed");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("plain");
        const QStringList names =
            QDir(QStringLiteral(MURKVALE_TEST_DATA)).entryList({QStringLiteral("opens_*.vae")});
        QVERIFY(!names.isEmpty());
        // opens_pw-PASSWORD_NAME.vae holds NAME.plain.
        for (const QString& name : names) {
            const QString rest = name.mid(QStringLiteral("opens_pw-").size());
            const qsizetype cut = rest.indexOf(QLatin1Char('_'));
            QTest::newRow(qPrintable(name))
                << name << rest.left(cut)
                << rest.mid(cut + 1).chopped(4) + QStringLiteral(".plain");
        }
    }

    void opensTheWindowsProgramsFiles() {
        QFETCH(QString, sealed);
        QFETCH(QString, password);
        QFETCH(QString, plain);
        MainWindow window;
        window.show();
        const QString output = scratch(QStringLiteral("plain"));
        const QStringList seen =
            press(window, "decrypt",
                  {chooseFile(dataFile(sealed)), typePassword(password), chooseFile(output)});
        QCOMPARE(seen, (QStringList{kOpenVael, kOpenPrompt, kSaveAny}));
        QCOMPARE(contents(output), contents(dataFile(plain)));
        // The plain copy becomes the current file.
        QCOMPARE(field(window, "filePath"), output);
        QCOMPARE(field(window, "fileSize"), QString::number(contents(output).size()));
    }

    void refusesAsTheWindowsProgramDoes_data() {
        QTest::addColumn<QString>("loaded");  // a data file loaded first, if any
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QStringList>("answers");  // pw:, file:, ok, yes; "" cancels
        QTest::addColumn<QStringList>("expected");

        const QString abcd = dataFile(QStringLiteral("abcd.plain"));
        QTest::newRow("encrypt with nothing loaded")
            << QString() << QByteArray("encrypt") << QStringList{"ok"}
            << QStringList{QStringLiteral("Encryption error | You must load a file first!")};
        QTest::newRow("retyped differently")
            << abcd << QByteArray("encrypt") << QStringList{"pw:ab", "pw:aB", "ok"}
            << QStringList{kFirstPrompt, kRetypePrompt,
                           QStringLiteral("Error | Password mismatch!")};
        QTest::newRow("retype cancelled")
            << abcd << QByteArray("encrypt") << QStringList{"pw:ab", "", "ok"}
            << QStringList{kFirstPrompt, kRetypePrompt,
                           QStringLiteral("Error | Password mismatch!")};
        QTest::newRow("first password cancelled")
            << abcd << QByteArray("encrypt") << QStringList{""} << QStringList{kFirstPrompt};
        QTest::newRow("not a vael file")
            << QString() << QByteArray("decrypt")
            << QStringList{"file:" + dataFile(QStringLiteral("not-sealed_pw-ab_plain-text.vae")),
                           "ok"}
            << QStringList{kOpenVael, QStringLiteral("Decryption error | Not a valid Vael")};
        QTest::newRow("wrong password")
            << QString() << QByteArray("decrypt")
            << QStringList{"file:" +
                               dataFile(QStringLiteral("wrong-password_pw-abc_sealed-with-ab.vae")),
                           "pw:abc", "ok"}
            << QStringList{kOpenVael, kOpenPrompt,
                           QStringLiteral("Decryption error | Password mismatch!")};
        QTest::newRow("decrypt password cancelled")
            << QString() << QByteArray("decrypt")
            << QStringList{"file:" + dataFile(QStringLiteral("opens_pw-ab_one-byte.vae")), ""}
            << QStringList{kOpenVael, kOpenPrompt};
        QTest::newRow("missing file loaded")
            << QString() << QByteArray("loadFile") << QStringList{"file:$/missing", "ok"}
            << QStringList{kOpenAny, QStringLiteral("Murkvale [stop] | $/missing was not found.")};
        QTest::newRow("sealed over the loaded file")
            << QStringLiteral("$/input.vae") << QByteArray("encrypt")
            << QStringList{"pw:ab", "pw:ab", "file:$/input.vae", "yes", "ok"}
            << QStringList{kFirstPrompt, kRetypePrompt, kSaveVael,
                           QStringLiteral("Save As [warning] | input.vae already exists.\nDo you "
                                          "want to replace it?"),
                           QStringLiteral("Encryption error | \"$/input.vae\" is the file being "
                                          "encrypted. Nothing was written; choose another output "
                                          "file.")};
    }

    void refusesAsTheWindowsProgramDoes() {
        QFETCH(QString, loaded);
        QFETCH(QByteArray, button);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, expected);
        const QString folder = scratch_->path();
        const QString input = scratch(QStringLiteral("input.vae"));
        writeFile(input, QByteArrayLiteral("\x01\x02plain"));
        MainWindow window;
        window.show();
        if (!loaded.isEmpty()) {
            press(window, "loadFile", {chooseFile(loaded.replace(QLatin1Char('$'), folder))});
        }
        std::deque<ModalStep> steps;
        for (QString answer : answers) {
            answer.replace(QLatin1Char('$'), folder);
            if (answer.startsWith(QLatin1String("pw:"))) {
                steps.push_back(typePassword(answer.mid(3)));
            } else if (answer.startsWith(QLatin1String("file:"))) {
                steps.push_back(chooseFile(answer.mid(5)));
            } else if (answer == QLatin1String("ok")) {
                steps.push_back(pressOk());
            } else if (answer == QLatin1String("yes")) {
                steps.push_back(pressYes());
            } else {
                steps.push_back(cancel());
            }
        }
        for (QString& line : expected) line.replace(QLatin1Char('$'), folder);
        const QStringList before = QDir(folder).entryList(QDir::Files);
        QCOMPARE(press(window, button.constData(), std::move(steps)), expected);
        // Nothing written, and the loaded file untouched.
        QCOMPARE(QDir(folder).entryList(QDir::Files), before);
        QCOMPARE(contents(input), QByteArrayLiteral("\x01\x02plain"));
        QCOMPARE(field(window, "status"), QStringLiteral("Free"));
    }

    void dropsLoadOneFileOnly() {
        MainWindow window;
        window.show();
        const QString abcd = dataFile(QStringLiteral("abcd.plain"));
        const QUrl file = QUrl::fromLocalFile(abcd);
        struct Drop {
            QList<QUrl> urls;
            QStringList expected;
        };
        const QString refused = QStringLiteral("Error | Please drop a single file.");
        const Drop drops[] = {
            {{file}, {}},
            {{file, QUrl::fromLocalFile(dataFile(QStringLiteral("one-byte.plain")))}, {refused}},
            {{QUrl::fromLocalFile(scratch_->path())}, {refused}},
            {{QUrl(QStringLiteral("https://murkvale.example.org/a.vae"))}, {refused}},
        };
        for (const Drop& drop : drops) {
            ModalScript script({pressOk()});
            dropUrls(window, drop.urls);
            QTest::qWait(100);
            QCOMPARE(script.seen(), drop.expected);
            // The first drop loaded the file; the refused ones left it.
            QCOMPARE(field(window, "filePath"), abcd);
            QCOMPARE(field(window, "fileSize"), QStringLiteral("4"));
        }
    }

    void startsWithTheFileItWasGiven() {
        MainWindow window;
        window.show();
        // Any other file loads.
        const QString abcd = dataFile(QStringLiteral("abcd.plain"));
        {
            ModalScript script({});
            window.startWith(abcd.toStdString());
            QCOMPARE(script.seen(), QStringList{});
            QCOMPARE(field(window, "filePath"), abcd);
        }
        // A .vae file goes straight to Decrypt's password, whatever the case.
        const QString upper = scratch(QStringLiteral("EVERY.VAE"));
        QVERIFY(QFile::copy(dataFile(QStringLiteral("opens_pw-secret_every-byte.vae")), upper));
        ModalScript script(
            {typePassword(QStringLiteral("secret")), chooseFile(scratch(QStringLiteral("every")))});
        window.startWith(upper.toStdString());
        QCOMPARE(script.seen(), (QStringList{kOpenPrompt, kSaveAny}));
        QCOMPARE(contents(scratch(QStringLiteral("every"))),
                 contents(dataFile(QStringLiteral("every-byte.plain"))));
    }

    // A seal of 64 MiB with the window looked after every millisecond: it
    // paints and runs its timers, while clicks, keys, Escape and drops given
    // to it during the run start nothing, then or afterwards.
    void staysAliveAndDeafDuringALongRun() {
        const QString big = scratch(QStringLiteral("big"));
        writeFile(big, QByteArray(64 << 20, 'x'));
        MainWindow window(std::chrono::milliseconds(1));
        window.show();
        press(window, "loadFile", {chooseFile(big)});

        int ticks = 0;
        int paints = 0;
        QList<int> positions;
        PaintCounter counter(paints);
        auto* bar = window.findChild<QProgressBar*>();
        bar->installEventFilter(&counter);
        QTimer probe;
        connect(&probe, &QTimer::timeout, &window, [&] {
            if (field(window, "status") != QLatin1String("Encrypting...")) return;
            ++ticks;
            positions << bar->value();
            if (ticks == 2) {
                QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("loadFile")),
                                  Qt::LeftButton);
                QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("quit")),
                                  Qt::LeftButton);
                QTest::keyClick(&window, Qt::Key_Escape);
                QTest::keyClick(&window, Qt::Key_Return);
                dropUrls(window, {QUrl::fromLocalFile(dataFile(QStringLiteral("abcd.plain")))});
            }
        });
        probe.start(1);
        const QStringList seen =
            press(window, "encrypt",
                  {typePassword(QStringLiteral("ab")), typePassword(QStringLiteral("ab")),
                   chooseFile(scratch(QStringLiteral("big.vae")))});
        QTest::qWait(100);  // anything left over would act now
        probe.stop();
        QCOMPARE(seen, (QStringList{kFirstPrompt, kRetypePrompt, kSaveVael}));
        QVERIFY2(ticks >= 3, qPrintable(QString::number(ticks)));
        QVERIFY(paints > 0);
        QVERIFY(std::any_of(positions.begin(), positions.end(),
                            [](int p) { return p > 0 && p < 100; }));
        QVERIFY(window.isVisible());
        QCOMPARE(field(window, "filePath"), big);
        QCOMPARE(QFileInfo(scratch(QStringLiteral("big.vae"))).size(), (64 << 20) + 2);
    }

    void closingDuringARunCancelsIt() {
        const QString big = scratch(QStringLiteral("big"));
        writeFile(big, QByteArray(64 << 20, 'x'));
        const QString existing = scratch(QStringLiteral("big.vae"));
        writeFile(existing, "kept");
        MainWindow window(std::chrono::milliseconds(1));
        window.show();
        press(window, "loadFile", {chooseFile(big)});
        QSignalSpy finished(&window, &QDialog::finished);
        QTimer closer;
        connect(&closer, &QTimer::timeout, &window, [&] {
            if (field(window, "status") == QLatin1String("Encrypting...")) window.close();
        });
        closer.start(1);
        press(window, "encrypt",
              {typePassword(QStringLiteral("ab")), typePassword(QStringLiteral("ab")),
               chooseFile(existing), pressYes()});
        QCOMPARE(finished.count(), 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(contents(existing), QByteArray("kept"));
        QCOMPARE(QDir(scratch_->path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("big"), QStringLiteral("big.vae")}));
    }

    // The bytes the digest takes, as the Windows program would have them on a
    // PC of the user's language, and the 16-byte limit counted in them.
    void passwordTakesTheLocalesCodePage_data() {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("refusals");
        QTest::addColumn<QByteArray>("bytes");
        const QString cyrillic = QStringLiteral(u"пароль");
        const QString japanese = QStringLiteral(u"パス");
        QTest::newRow("russian") << QByteArray() << QByteArray("ru_RU.UTF-8") << cyrillic
                                 << QStringList{} << QByteArray("\xEF\xE0\xF0\xEE\xEB\xFC");
        QTest::newRow("japanese") << QByteArray() << QByteArray("ja_JP.UTF-8") << japanese
                                  << QStringList{} << QByteArray("\x83\x70\x83\x58");
        QTest::newRow("LC_ALL before LANG")
            << QByteArray("ja_JP.UTF-8") << QByteArray("ru_RU.UTF-8") << japanese << QStringList{}
            << QByteArray("\x83\x70\x83\x58");
        QTest::newRow("C takes 1252") << QByteArray() << QByteArray("C") << QStringLiteral(u"café")
                                      << QStringList{} << QByteArray("caf\xE9");
        QTest::newRow("cyrillic outside 1252")
            << QByteArray() << QByteArray("C.UTF-8") << cyrillic
            << QStringList{QStringLiteral(
                   "Murkvale [warning] | Please enter only characters of the system's code page.")}
            << QByteArray();
        // Nine characters fit the field but are eighteen bytes of 932.
        QTest::newRow("japanese over 16 bytes")
            << QByteArray() << QByteArray("ja_JP.UTF-8") << QStringLiteral(u"パスワードパスワー")
            << QStringList{QStringLiteral(
                   "Murkvale [warning] | Please enter no more than 16 characters.")}
            << QByteArray();
    }

    void passwordTakesTheLocalesCodePage() {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lang);
        QFETCH(QString, typed);
        QFETCH(QStringList, refusals);
        QFETCH(QByteArray, bytes);
        LocaleVariables locale(lcAll.constData(), lang.constData());
        MainWindow window;
        window.show();
        std::deque<ModalStep> steps{typePassword(typed)};
        if (!refusals.isEmpty()) steps.insert(steps.end(), {pressOk(), cancel()});
        ModalScript script(std::move(steps));
        std::string password = "unchanged";
        const bool accepted = window.promptPassword("Please enter password:", password);
        QCOMPARE(script.seen(),
                 QStringList{kOpenPrompt} + refusals +
                     (refusals.isEmpty() ? QStringList{} : QStringList{kOpenPrompt}));
        QCOMPARE(accepted, refusals.isEmpty());
        QCOMPARE(QByteArray::fromStdString(password), accepted ? bytes : QByteArray("unchanged"));
    }

    void aboutIsInTheHelpMenu() {
        MainWindow window;
        window.show();
        QAction* about = nullptr;
        for (QAction* menu : window.findChild<QMenuBar*>()->actions()) {
            if (menu->text() != QLatin1String("&Help")) continue;
            for (QAction* entry : menu->menu()->actions()) {
                if (entry->text() == QLatin1String("&About Murkvale...")) about = entry;
            }
        }
        QVERIFY(about);
        QStringList lines;
        QSize picture;
        ModalScript script({looking(
            [&](QWidget* box) {
                for (QLabel* label : box->findChildren<QLabel*>()) {
                    if (label->objectName() != QLatin1String("aboutPicture")) {
                        lines << label->text();
                    } else {
                        picture = label->pixmap().size();
                    }
                }
                box->grab().save(screenshot(QStringLiteral("qt-about.png")));
            },
            pressOk())});
        about->trigger();
        QCOMPARE(script.seen(), QStringList{QStringLiteral("About Murkvale")});
        QCOMPARE(lines, (QStringList{QStringLiteral("Murkvale Version 1.0"),
                                     QStringLiteral("(C) 2026 the Murkvale team"),
                                     QStringLiteral("murkvale.example.org")}));
        QCOMPARE(picture, QSize(200, 110));
    }

    void screenshotsOfTheWindows() {
        MainWindow window;
        window.show();
        press(window, "loadFile", {chooseFile(dataFile(QStringLiteral("every-byte.plain")))});
        QVERIFY(window.grab().save(screenshot(QStringLiteral("qt-main-window.png"))));
        const QStringList seen = press(
            window, "encrypt",
            {looking(
                [&](QWidget* dialog) {
                    QTest::keyClicks(dialog->findChild<QLineEdit*>(), QStringLiteral("secret"));
                    dialog->grab().save(screenshot(QStringLiteral("qt-password.png")));
                    dialog->findChild<QLineEdit*>()->clear();
                },
                cancel())});
        QCOMPARE(seen, QStringList{kFirstPrompt});
        QVERIFY(QFileInfo(screenshot(QStringLiteral("qt-password.png"))).size() > 0);
    }

    void quitEndsTheWindow() {
        MainWindow window;
        window.show();
        QSignalSpy finished(&window, &QDialog::finished);
        QTest::keyClick(&window, Qt::Key_Return);  // Quit is the default button
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.front().front().toInt(), int(QDialog::Accepted));
    }

  private:
    class PaintCounter : public QObject {
      public:
        explicit PaintCounter(int& paints) : paints_(paints) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints_;
            return false;
        }

      private:
        int& paints_;
    };

    QString scratch(const QString& name) const { return scratch_->filePath(name); }
    static QString screenshot(const QString& name) {
        QDir().mkpath(QStringLiteral(MURKVALE_SCREENSHOTS));
        return QStringLiteral(MURKVALE_SCREENSHOTS "/") + name;
    }

    std::unique_ptr<QTemporaryDir> scratch_;
};

}  // namespace murkvale

QTEST_MAIN(murkvale::WindowFlowsTest)
#include "window_flows_test.moc"
