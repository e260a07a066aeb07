#include "test_support.h"
#include "window_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <memory>

class TestGeometryWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_folder = std::make_unique<TemporaryWorkingFolder>(); }
    void cleanup() { m_folder.reset(); }
    void equationSolver();
    void equationSolverSavesTwice();
    void quadraticKeyFilter_data();
    void quadraticKeyFilter();
    void quadratic_data();
    void quadratic();
    void quadraticRejectsEmptyLabels();
    void simultaneous();
    void sinCosinTanAndHypotenuse();
    void drawPixels_data();
    void drawPixels();
    void drawKeepsMappingForEmptyWindow();
    void shapeWindowsOpen_data();
    void shapeWindowsOpen();
    void choosingAShape();
    void mapScale_data();
    void mapScale();

private:
    std::unique_ptr<TemporaryWorkingFolder> m_folder;
};

void TestGeometryWindows::initTestCase() {
    QLocale::setDefault(pointLocale());
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestGeometryWindows::equationSolver() {
    const auto window = openWindow("EquationSolver");
    QCOMPARE(control<QComboBox>(window.get(), "Combo1")->currentText(), QStringLiteral("+"));
    type(window.get(), "Text4", "3");
    type(window.get(), "Text3", "5");
    typeAndEnter(window.get(), "Text2", "20");
    QCOMPARE(textOf(window.get(), "Text1"),
             QStringLiteral("3x + 5 = 20\n3x = 20 - 5\n3x = 15\nx = 15 / 3\nx = 5"));
    typeAndEnter(window.get(), "Text4", "0");
    QCOMPARE(textOf(window.get(), "Text1"), QString());
    type(window.get(), "Text4", "4");
    control<QComboBox>(window.get(), "Combo1")->setEditText("mod");
    click(window.get(), "Command1");
    QCOMPARE(textOf(window.get(), "Text1"), QString());
    choose(window.get(), "Combo1", "/");
    click(window.get(), "Command1");
    QVERIFY(textOf(window.get(), "Text1").endsWith("x = 100 / 4\nx = 25"));
}

void TestGeometryWindows::equationSolverSavesTwice() {
    MessageRecorder messages;
    const auto window = openWindow("EquationSolver");
    type(window.get(), "Text4", "4");
    choose(window.get(), "Combo1", "/");
    type(window.get(), "Text3", "2");
    typeAndEnter(window.get(), "Text2", "6");
    auto *save = control<QAction>(window.get(), "save");
    save->trigger();
    save->trigger();
    const QByteArray block =
        "\r\n4x / 2 = 6\r\n4x = 6 * 2\r\n4x = 12\r\nx = 12 / 4\r\nx = 3\r\n\r\n";
    QCOMPARE(fileContents("EquationSolver.txt"), block + block);
    QCOMPARE(messages.messages.size(), 2);
    QCOMPARE(messages.messages[1].text,
             savedMessage("Saved to the program's location.", "EquationSolver.txt"));
}

namespace {

// Keys and clicks as a user gives them: "{Home}" and "{Left}" move the caret, "{click:f}"
// clicks at fraction f of the box's width, anything else is typed key by key.
void actOn(QLineEdit *box, const QString &acts) {
    static const QRegularExpression token(QStringLiteral("\\{([^}]*)\\}|[^{]+"));
    for (const QRegularExpressionMatch &part : token.globalMatch(acts)) {
        const QString command = part.captured(1);
        if (command == "Home")
            QTest::keyClick(box, Qt::Key_Home);
        else if (command == "Left")
            QTest::keyClick(box, Qt::Key_Left);
        else if (command.startsWith("click:"))
            QTest::mouseClick(
                box, Qt::LeftButton, {},
                QPoint(int(box->width() * command.mid(6).toDouble()), box->height() / 2));
        else
            QTest::keyClicks(box, part.captured(0));
    }
}

} // namespace

void TestGeometryWindows::quadraticKeyFilter_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("acts");
    QTest::addColumn<QString>("shown");
    const std::initializer_list<std::array<const char *, 3>> rows = {
        {"txtA", "1.5a-2 ", "15-2"},
        {"txtB", "-30,", "-30"},
        {"txtC", "12{Home}x", "x12"}, // the last character is a digit: nothing goes
        {"txtC", "12{Left}5", "152"},
        {"txtNum", "7e", "7e"}, // filtered when clicked, not while typed
        {"txtNum", "7x{click:0.5}", "7"},
        {"txtNum", "7x{click:0.02}", "7"},
        {"txtNum", "7x{click:0.98}", "7"},
        {"txtNum", "-4ab{click:0.5}", "-4"},
        {"txtNum", "{click:0.5}", ""},
    };
    for (const auto &[box, acts, shown] : rows)
        QTest::addRow("%s %s", box, acts) << box << acts << shown;
}

void TestGeometryWindows::quadraticKeyFilter() {
    QFETCH(QString, box);
    QFETCH(QString, acts);
    QFETCH(QString, shown);
    const auto window = openWindow("QuadraticEq");
    auto *line = control<QLineEdit>(window.get(), box);
    QCOMPARE(line->maxLength(), 10);
    line->setFocus();
    actOn(line, acts);
    QCOMPARE(line->text(), shown);
}

void TestGeometryWindows::quadratic_data() {
    QTest::addColumn<QStringList>("abck");
    QTest::addColumn<QStringList>("shown"); // state, root 1, root 2, single root
    QTest::newRow("two roots") << QStringList{"1", "-3", "2", ""}
                               << QStringList{"Equation Roots:", "2", "1", ""};
    QTest::newRow("repeated") << QStringList{"1", "2", "1", ""}
                              << QStringList{"The equation has a repeated root", "", "", "-1"};
    QTest::newRow("none") << QStringList{"1", "0", "1", ""}
                          << QStringList{"The equation has no real root", "", "", ""};
    QTest::newRow("empty a and b")
        << QStringList{"", "", "0", "0"} << QStringList{"Equation Roots:", "0", "-1", ""};
    QTest::newRow("k") << QStringList{"1", "0", "1", "5"}
                       << QStringList{"Equation Roots:", "2", "-2", ""};
    QTest::newRow("minus inside") << QStringList{"1", "12-3", "0", ""}
                                  << QStringList{"Equation Roots:", "0", "-12", ""};
}

void TestGeometryWindows::quadratic() {
    QFETCH(QStringList, abck);
    QFETCH(QStringList, shown);
    const auto window = openWindow("QuadraticEq");
    const char *boxes[] = {"txtA", "txtB", "txtC", "txtNum"};
    for (int i = 0; i < 4; ++i)
        setText(window.get(), boxes[i], abck[i]);
    typeAndEnter(window.get(), "txtC", abck[2]);
    const char *labels[] = {"lblState", "lblRoot1", "lblRoot2", "lblDoubleRoot"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(textOf(window.get(), labels[i]), shown[i]);
    QCOMPARE(control(window.get(), "lblDoubleRoot")->isVisible(), !shown[3].isEmpty());
    QCOMPARE(control(window.get(), "lblRoot1")->isVisible(), shown[3].isEmpty());
}

// A refused equation keeps no roots of the one before: a = 0 says so in its verdict, a
// right-hand side beyond 16 bits or a discriminant beyond the currency range in the marks.
void TestGeometryWindows::quadraticRejectsEmptyLabels() {
    const auto window = openWindow("QuadraticEq");
    const auto solveFirst = [&] {
        for (const auto &[box, text] :
             {std::pair{"txtA", "1"}, {"txtB", "-3"}, {"txtC", "2"}, {"txtNum", "0"}})
            setText(window.get(), box, text);
        click(window.get(), "cmdSolve");
        QCOMPARE(textOf(window.get(), "lblRoot1"), QStringLiteral("2"));
    };
    solveFirst();
    setText(window.get(), "txtA", "0");
    click(window.get(), "cmdSolve");
    QCOMPARE(textOf(window.get(), "lblState"), QStringLiteral("This isn't a quadratic equation."));
    QCOMPARE(textOf(window.get(), "lblRoot1"), QString());
    QCOMPARE(textOf(window.get(), "lblRoot2"), QString());
    QCOMPARE(markOf(window.get(), "txtA"), QStringLiteral("error"));
    for (const auto &[box, text] : {std::pair{"txtNum", "40000"}, std::pair{"txtB", "99999999"}}) {
        solveFirst();
        setText(window.get(), box, text);
        click(window.get(), "cmdSolve");
        for (const char *label : {"lblState", "lblRoot1", "lblRoot2"})
            QCOMPARE(textOf(window.get(), label), QString());
        QCOMPARE(markOf(window.get(), box), QStringLiteral("error"));
    }
}

void TestGeometryWindows::simultaneous() {
    MessageRecorder messages;
    const auto window = openWindow("Simultaneous");
    const char *boxes[] = {"txtA", "txtB", "txtH", "txtC", "txtD", "txtK"};
    auto solve = [&](const QStringList &values) {
        for (int i = 0; i < 6; ++i)
            setText(window.get(), boxes[i], values[i]);
        typeAndEnter(window.get(), "txtK", values[5]);
        return textOf(window.get(), "lblSolutionX") + "|" + textOf(window.get(), "lblSolutionY");
    };
    QCOMPARE(solve({"1", "1", "3", "1", "-1", "1"}), QStringLiteral("2|1"));
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(solve({"1", "2", "3", "2", "4", "6"}), QStringLiteral("|"));
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, QStringLiteral("The equations are parallel!"));
    QCOMPARE(solve({"1", "1", "3", "1", "-1", "1"}), QStringLiteral("2|1"));
    QCOMPARE(solve({"1", "1", "", "1", "-1", "1"}), QStringLiteral("|"));
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(textOf(window.get(), "Label12"), QStringLiteral("x ="));
}

void TestGeometryWindows::sinCosinTanAndHypotenuse() {
    const auto trig = openWindow("SinCosinTan");
    QCOMPARE(trig->windowTitle(), QStringLiteral("Sine,Cosine,Tangent,Arc-Cotangent"));
    typeAndEnter(trig.get(), "Text1", "1");
    const QString shown = textOf(trig.get(), "Text2");
    QVERIFY(shown.startsWith("Sine = 0.841470984807897\nCosine = "));
    QVERIFY(shown.endsWith("\nArctangent = 0.785398163397448"));
    typeAndEnter(trig.get(), "Text1", "0"); // no cotangent
    QCOMPARE(textOf(trig.get(), "Text2"), QString());
    QCOMPARE(markOf(trig.get(), "Text1"), QStringLiteral("error"));

    const auto hypotenuse = openWindow("Hypotenuse");
    QCOMPARE(textOf(hypotenuse.get(), "Label1"), QStringLiteral("?"));
    type(hypotenuse.get(), "Text1", "3");
    typeAndEnter(hypotenuse.get(), "Text2", "4");
    QCOMPARE(textOf(hypotenuse.get(), "Label1"), QStringLiteral("5"));
    typeAndEnter(hypotenuse.get(), "Text2", ""); // the side is unknown again
    QCOMPARE(textOf(hypotenuse.get(), "Label1"), QStringLiteral("?"));
    QCOMPARE(markOf(hypotenuse.get(), "Text2"), QStringLiteral("error"));
}

namespace {

// The window drawn at a known size, as the user sees it.
QImage drawnImage(QWidget *window, const QStringList &bounds, QSize size = {400, 400}) {
    window->resize(size);
    const char *boxes[] = {"Text1", "Text2", "Text3", "Text4"};
    for (int i = 0; i < 4; ++i)
        setText(window, boxes[i], bounds[i]);
    click(window, "Command1");
    return window->grab().toImage();
}

bool inked(const QImage &image, QPoint pixel) {
    return image.pixelColor(pixel) == QColor(Qt::black);
}

} // namespace

void TestGeometryWindows::drawPixels_data() {
    QTest::addColumn<QStringList>("bounds");
    QTest::addColumn<bool>("curve");
    QTest::newRow("designed") << QStringList{"-20", "20", "-20", "20"} << true;
    QTest::newRow("y pointing up") << QStringList{"-20", "20", "20", "-20"} << true;
    QTest::newRow("x reversed: axes only") << QStringList{"20", "-20", "-20", "20"} << false;
}

void TestGeometryWindows::drawPixels() {
    QFETCH(QStringList, bounds);
    QFETCH(bool, curve);
    const auto window = openWindow("Draw");
    QPalette palette = window->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    window->setPalette(palette);
    const double x1 = bounds[0].toDouble(), x2 = bounds[1].toDouble();
    const double y1 = bounds[2].toDouble(), y2 = bounds[3].toDouble();
    const QImage image = drawnImage(window.get(), bounds);
    auto pixel = [&](double x, double y) {
        return QPoint(int(std::floor((x - x1) / (x2 - x1) * 400)),
                      int(std::floor((y - y1) / (y2 - y1) * 400)));
    };
    QVERIFY(inked(image, pixel(15, 0)));  // the x axis, right of the boxes
    QVERIFY(inked(image, pixel(0, 15)));  // the y axis
    QVERIFY(inked(image, pixel(0, -15))); // and its other half
    QVERIFY(!inked(image, pixel(15, 15)));
    // The 1162nd point of the curve, at x = -20 + 1162 · 0.03 = 14.86, well inside its pixel.
    const double x = -20 + 1162 * 0.03;
    QCOMPARE(inked(image, pixel(x, x * std::sin(x))), curve);
}

void TestGeometryWindows::drawKeepsMappingForEmptyWindow() {
    const auto window = openWindow("Draw");
    QPalette palette = window->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    window->setPalette(palette);
    drawnImage(window.get(), {"-20", "20", "-20", "20"});
    // X1 = X2: the mapping stays; the one point of the curve is at x = 5.
    QImage image = drawnImage(window.get(), {"5", "5", "-20", "20"});
    const double y = 5 * std::sin(5.0);
    QVERIFY(inked(image, QPoint(250, int(std::floor((y + 20) / 40 * 400)))));
    QVERIFY(inked(image, QPoint(200, 390))); // the y axis where it was
    // Larger: the same drawing fills the larger surface.
    image = drawnImage(window.get(), {"-20", "20", "-20", "20"}, {800, 600});
    QVERIFY(inked(image, QPoint(700, 300)));
    QVERIFY(inked(image, QPoint(400, 550)));
}

void TestGeometryWindows::shapeWindowsOpen_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions"); // Label1 to Label3 as designed
    QTest::addColumn<QStringList>("visible");  // the inputs shown at first
    QTest::newRow("Perimeter") << "Perimeter"
                               << "Perimeter Calculator" << QStringList{"Radius", "Radius", "Width"}
                               << QStringList{"Label1", "Text1"};
    QTest::newRow("AreaCalculator") << "AreaCalculator"
                                    << "Area Calculator" << QStringList{"Radius", "Height", "Width"}
                                    << QStringList{"Label1", "Text1", "Label4"};
    QTest::newRow("HacimOlcer") << "HacimOlcer"
                                << "Volume Calculator" << QStringList{"Height", "Radius", "Width"}
                                << QStringList{"Label1", "Text1", "Label2", "Text4", "Label4"};
}

void TestGeometryWindows::shapeWindowsOpen() {
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, visible);
    const auto shown = openWindow(window);
    QCOMPARE(shown->windowTitle(), title);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(textOf(shown.get(), QStringLiteral("Label%1").arg(i + 1)), captions[i]);
    for (const QString name :
         {"Label1", "Label2", "Label3", "Label4", "Text1", "Text2", "Text3", "Text4"}) {
        QWidget *part = control(shown.get(), name);
        QCOMPARE(part && part->isVisible(), visible.contains(name));
    }
    auto *shapes = control<QComboBox>(shown.get(), "Combo1");
    QStringList items;
    for (int i = 0; i < shapes->count(); ++i)
        items << shapes->itemText(i);
    QStringList sorted = items;
    sorted.sort();
    QCOMPARE(items, sorted);
    QCOMPARE(shapes->currentText(), window == "HacimOlcer" ? "Cone" : "Circle");
    if (window == "AreaCalculator")
        QCOMPARE(textOf(shown.get(), "Label4"), QStringLiteral("pi = 3.1415926535"));
}

void TestGeometryWindows::choosingAShape() {
    const auto area = openWindow("AreaCalculator");
    typeAndEnter(area.get(), "Text1", "2");
    QCOMPARE(textOf(area.get(), "Text5"), QStringLiteral("12.566370614"));
    choose(area.get(), "Combo1", "Torus (surface)");
    QCOMPARE(textOf(area.get(), "Text5"), QString());
    QCOMPARE(textOf(area.get(), "Text1"), QString());
    QCOMPARE(textOf(area.get(), "Label1"), QStringLiteral("Inner Radius"));
    QCOMPARE(textOf(area.get(), "Label2"), QStringLiteral("Outer Radius"));
    QVERIFY(control(area.get(), "Text2")->isVisible());
    QVERIFY(!control(area.get(), "Text3")->isVisible());
    type(area.get(), "Text1", "1");
    typeAndEnter(area.get(), "Text2", "3");
    QCOMPARE(textOf(area.get(), "Text5"), QStringLiteral("78.9568352042014"));
    choose(area.get(), "Combo1", "Square");
    QVERIFY(!control(area.get(), "Label2")->isVisible());
    click(area.get(), "Command1"); // an empty side: the result stays empty
    QCOMPARE(textOf(area.get(), "Text5"), QString());

    const auto volume = openWindow("HacimOlcer");
    choose(volume.get(), "Combo1", "Cuboid");
    QVERIFY(control(volume.get(), "Text2")->isVisible());
    QVERIFY(!control(volume.get(), "Text4")->isVisible());
    QCOMPARE(textOf(volume.get(), "Label3"), QStringLiteral("Width"));
    choose(volume.get(), "Combo1", "Torus");
    QVERIFY(!control(volume.get(), "Text2")->isVisible());
    QVERIFY(control(volume.get(), "Text4")->isVisible());
    QCOMPARE(textOf(volume.get(), "Label1"), QStringLiteral("Outer Radius"));
    QCOMPARE(textOf(volume.get(), "Label2"), QStringLiteral("Inner Radius"));
    type(volume.get(), "Text1", "3");
    typeAndEnter(volume.get(), "Text4", "1");
    QCOMPARE(textOf(volume.get(), "Text5"), QStringLiteral("39.4784176021007"));
    control<QComboBox>(volume.get(), "Combo1")->setEditText("torus");
    typeAndEnter(volume.get(), "Text1", "5");
    QCOMPARE(textOf(volume.get(), "Text5"), QString());
    QCOMPARE(markOf(volume.get(), "Combo1"), QStringLiteral("error"));

    const auto perimeter = openWindow("Perimeter");
    choose(perimeter.get(), "Combo1", "Trapezoid");
    const char *boxes[] = {"Text1", "Text2", "Text3"};
    const char *values[] = {"4", "9", "3"};
    for (int i = 0; i < 3; ++i)
        type(perimeter.get(), boxes[i], values[i]);
    typeAndEnter(perimeter.get(), "Text3", "3");
    QCOMPARE(textOf(perimeter.get(), "Text5"), QStringLiteral("22"));
    QCOMPARE(textOf(perimeter.get(), "Label3"), QStringLiteral("Base2"));
}

void TestGeometryWindows::mapScale_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("boxes"); // before
    QTest::addColumn<QStringList>("after");
    QTest::newRow("real distance")
        << "Option2" << QStringList{"5", "", "100000"} << QStringList{"5", "5", "100000"};
    QTest::newRow("distance on map")
        << "Option1" << QStringList{"", "5", "100000"} << QStringList{"5", "5", "100000"};
    QTest::newRow("scale") << "Option3" << QStringList{"5", "5", ""}
                           << QStringList{"5", "5", "100000"};
    QTest::newRow("scale of a 0 map distance")
        << "Option3" << QStringList{"0", "5", "7"} << QStringList{"0#error", "5", ""};
    QTest::newRow("empty scale") << "Option2" << QStringList{"5", "1", ""}
                                 << QStringList{"5", "", "#error"};
}

void TestGeometryWindows::mapScale() {
    QFETCH(QString, option);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, after);
    const auto window = openWindow("MapScale");
    QVERIFY(control<QRadioButton>(window.get(), "Option3")->isChecked());
    for (int i = 0; i < 3; ++i)
        setText(window.get(), QStringLiteral("Text%1").arg(i + 1), boxes[i]);
    control<QRadioButton>(window.get(), option)->click();
    QTest::keyClick(control(window.get(), "Text1"), Qt::Key_Return);
    // "text#error": the box shows the text and is marked.
    for (int i = 0; i < 3; ++i) {
        const QString box = QStringLiteral("Text%1").arg(i + 1);
        QCOMPARE(textOf(window.get(), box), after[i].section('#', 0, 0));
        QCOMPARE(markOf(window.get(), box), after[i].section('#', 1));
    }
}

QTEST_MAIN(TestGeometryWindows)
#include "tst_geometry_windows.moc"
