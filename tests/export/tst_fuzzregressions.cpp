// Inputs that once crashed or tripped a check in a fuzz target, run through
// the same calls in the normal suite (and so under the sanitizers of the
// ASan build). A new finding goes into tests/data/fuzz/<target>/.
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>

using Target = std::function<void(const QByteArray&)>;
Q_DECLARE_METATYPE(Target)

class TestFuzzRegressions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void input_data();
    void input();
};

void TestFuzzRegressions::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestFuzzRegressions::input_data()
{
    QTest::addColumn<Target>("target");
    QTest::addColumn<QByteArray>("bytes");
    const std::pair<const char*, Target> targets[] = {
        {"duefile", FuzzTargets::DueFile},
        {"localeformat", FuzzTargets::LocaleFormat},
        {"htmltemplate", FuzzTargets::HtmlTemplate},
        {"xlsxtemplate", FuzzTargets::XlsxTemplate},
    };
    for (const auto& [name, target] : targets) {
        const QDir dir(QStringLiteral(TALLYVANE_TEST_DATA "/fuzz/") + QLatin1String(name));
        for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(file));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QTest::addRow("%s/%s", name, qPrintable(file)) << target << f.readAll();
        }
    }
    // Too large to keep as a file: 132,000 UTF-16 markers in a row once
    // overflowed the stack of every program that read the folder.
    QTest::newRow("duefile/a run of UTF-16 markers")
        << Target(FuzzTargets::DueFile) << QByteArray::fromHex("FFFEFF").repeated(132000);
}

void TestFuzzRegressions::input()
{
    QFETCH(Target, target);
    QFETCH(QByteArray, bytes);
    target(bytes); // a crash or a failed check aborts the test
}

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
