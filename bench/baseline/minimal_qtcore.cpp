#include <QCoreApplication>
#include <QTextStream>

// The baseline of the start-up benchmark: the least a QtCore program does
// that prints one line.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << QCoreApplication::applicationName() << '\n';
    return 0;
}
