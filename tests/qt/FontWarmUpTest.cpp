#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>
#include <memory>
#include <string>

#include "FontWarmUp.h"
#include "Form1.h"
#include "MainWindow.h"
#include "QtProgram.h"
#include "QuietOffscreen.h"

namespace {

// The face fontconfig itself chooses for a family, as Qt asks it when the family is missing.
QString fontconfigChoice(const char* family) {
    const std::unique_ptr<FcPattern, void (*)(FcPattern*)> pattern(
        FcNameParse(reinterpret_cast<const FcChar8*>(family)), FcPatternDestroy);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const std::unique_ptr<FcPattern, void (*)(FcPattern*)> match(
        FcFontMatch(nullptr, pattern.get(), &result), FcPatternDestroy);
    FcChar8* name = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FAMILY, 0, &name) != FcResultMatch) return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(name));
}

}  // namespace

// The fonts set up on the worker thread while the application starts, as the program does.
class FontWarmUpTest : public QObject {
    Q_OBJECT

public:
    explicit FontWarmUpTest(FontWarmUp& fonts) : fonts_(fonts) {}

private slots:
    void initTestCase() { quietOffscreenWarnings(); }

    void buttonGetsTheFaceAsWithoutTheWarmUp() {
        fonts_.waitForConfiguration();
        QtProgram program(torvamikProgram());
        program.show();
        program.window().loadButtonFont();
        const std::string declared(torvamikProgram().button.font.face);
        const QFontInfo shown(program.window().button().font());
        if (QFontDatabase::hasFamily(QString::fromStdString(declared))) {
            QCOMPARE(shown.family(), QString::fromStdString(declared));
        } else {
            QCOMPARE(shown.family(), fontconfigChoice(declared.c_str()));
        }
        QVERIFY(QFontDatabase::families().size() > 1);
    }

private:
    FontWarmUp& fonts_;
};

int main(int argc, char* argv[]) {
    // Given up before any application exists, as when start-up fails: the worker must end
    // instead of waiting for one.
    { const FontWarmUp abandoned; }
    FontWarmUp fonts;
    QApplication application(argc, argv);
    fonts.applicationCreated();
    FontWarmUpTest test(fonts);
    const int failures = QTest::qExec(&test, argc, argv);
    fonts.finish();
    return failures;
}

#include "FontWarmUpTest.moc"
