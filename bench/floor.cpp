// The least a Qt Widgets program needs to do the game's job, for the bench to measure the game
// against: a small start dialog with Play!, and a frameless window of the skin bitmap's size,
// shaped to its outline, with a 65 ms timer moving a square one cell per tick. P pauses (the
// timer stops), S reloads the pictures and redraws the whole window.
//
//   kriel_floor SKIN_FOLDER

#include <QApplication>
#include <QBitmap>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace {

constexpr int Cell = 8;

class Field : public QWidget {
public:
    explicit Field(const QString& folder)
        : QWidget(nullptr, Qt::FramelessWindowHint)
        , folder(folder)
    {
        setWindowTitle(QStringLiteral("Kriel"));
        setFocusPolicy(Qt::StrongFocus);
        load();
        setFixedSize(skin.size());
        setMask(outline());
        timer.setInterval(65);
        connect(&timer, &QTimer::timeout, this, [this] { step(); });
        timer.start();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, skin);
        painter.drawPixmap(square, food);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_P) {
            if (timer.isActive())
                timer.stop();
            else
                timer.start();
        } else if (event->key() == Qt::Key_S) {
            load();
            update();
        }
    }

private:
    void load()
    {
        skin = QPixmap(folder + QStringLiteral("/skin.bmp"));
        food = QPixmap(folder + QStringLiteral("/food.gif"));
    }

    QBitmap outline() const
    {
        const QImage image = skin.toImage();
        const QRgb background = image.pixel(0, image.height() - 1);
        return QBitmap::fromImage(image.createMaskFromColor(background, Qt::MaskOutColor));
    }

    void step()
    {
        const QRect before = square;
        square.translate(Cell, 0);
        if (square.right() >= width())
            square.moveLeft(0);
        update(before);
        update(square);
    }

    QString folder;
    QPixmap skin;
    QPixmap food;
    QRect square{0, Cell, Cell, Cell};
    QTimer timer;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);

    QDialog menu(nullptr, Qt::Tool);
    menu.setWindowTitle(QStringLiteral("Kriel - Begin a new game"));
    menu.setFixedSize(336, 264);
    auto* play = new QPushButton(QStringLiteral("Play!"), &menu);
    play->setGeometry(248, 224, 80, 24);
    std::unique_ptr<Field> field;
    QObject::connect(play, &QPushButton::clicked, &menu, [&] {
        if (!field)
            field = std::make_unique<Field>(folder);
        field->show();
        field->activateWindow();
    });
    menu.show();
    return application.exec();
}
