// The least a Qt program without windows does: start, make its application object, end. The
// floor of a second start that only hands its arguments on.
#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return 0;
}
