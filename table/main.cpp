#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget mesa;
    mesa.setWindowTitle(QStringLiteral("Zarpelón"));
    mesa.resize(800, 600);
    mesa.show();
    return app.exec();
}
