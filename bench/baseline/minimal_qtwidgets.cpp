#include <QCoreApplication>
#include <QTextStream>
#include <QWidget>

// For comparison in the start-up benchmark: the same program linked to the
// GUI libraries, which it loads at start without using them (what every
// headless command paid while one program did both).
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 100) {
        QWidget never;
    }
    QTextStream(stdout) << QCoreApplication::applicationName() << '\n';
    return 0;
}
