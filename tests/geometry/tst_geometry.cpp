#include "common/calc_error.h"
#include "common/number_rules.h"
#include "geometry/equations.h"
#include "geometry/shapes.h"
#include "geometry/trigonometry.h"
#include "test_support.h"

#include <QTest>

#include <cmath>

using namespace zq;

Q_DECLARE_METATYPE(zq::ShapeCalculatorKind)
Q_DECLARE_METATYPE(zq::QuadraticVerdict)

class TestGeometry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(pointLocale()); }
    void linearEquation_data();
    void linearEquation();
    void quadratic_data();
    void quadratic();
    void simultaneous();
    void trigonometry();
    void curvePoints_data();
    void curvePoints();
    void shapes_data();
    void shapes();
    void everyShapeHasItsInputs();
    void mapScale();
};

void TestGeometry::linearEquation_data() {
    QTest::addColumn<QStringList>("abc");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("lines"); // "fails" when it throws
    QTest::newRow("plus") << QStringList{"3", "5", "20"} << "+"
                          << "3x + 5 = 20\r\n3x = 20 - 5\r\n3x = 15\r\nx = 15 / 3\r\nx = 5";
    QTest::newRow("minus") << QStringList{"2", "1.5", "4"} << "-"
                           << "2x - 1.5 = 4\r\n2x = 4 + 1.5\r\n2x = 5.5\r\nx = 5.5 / 2\r\nx = 2.75";
    QTest::newRow("times") << QStringList{"3", "2", "1"} << "*"
                           << "3x * 2 = 1\r\n3x = 1 / 2\r\n3x = 0.5\r\nx = 0.5 / 3\r\n"
                              "x = 0.166666666666667";
    QTest::newRow("divided") << QStringList{"4", "2", "6"} << "/"
                             << "4x / 2 = 6\r\n4x = 6 * 2\r\n4x = 12\r\nx = 12 / 4\r\nx = 3";
    QTest::newRow("empty b and c") << QStringList{"2", "", ""} << "+"
                                   << "2x +  = \r\n2x =  - \r\n2x = 0\r\nx = 0 / 2\r\nx = 0";
    QTest::newRow("lenient b") << QStringList{"1", "2kg", "3"} << "+"
                               << "1x + 2kg = 3\r\n1x = 3 - 2kg\r\n1x = 1\r\nx = 1 / 1\r\nx = 1";
    QTest::newRow("a is 0") << QStringList{"0", "1", "2"} << "+"
                            << "fails";
    QTest::newRow("b is 0 under *") << QStringList{"2", "0", "6"} << "*"
                                    << "fails";
    QTest::newRow("a empty") << QStringList{"", "1", "2"} << "+"
                             << "fails";
    QTest::newRow("a letters") << QStringList{"x", "1", "2"} << "+"
                               << "fails";
    QTest::newRow("overflow") << QStringList{"1e-300", "0", "1e300"} << "+"
                              << "fails";
    QTest::newRow("other operator") << QStringList{"1", "1", "1"} << "^"
                                    << "";
}

void TestGeometry::linearEquation() {
    QFETCH(QStringList, abc);
    QFETCH(QString, op);
    QFETCH(QString, lines);
    if (lines == "fails")
        QVERIFY_THROWS_EXCEPTION(CalcError, SolveLinearEquation(abc[0], op, abc[1], abc[2]));
    else
        QCOMPARE(SolveLinearEquation(abc[0], op, abc[1], abc[2]), lines);
}

void TestGeometry::quadratic_data() {
    QTest::addColumn<QList<double>>("abck");
    QTest::addColumn<QuadraticVerdict>("verdict");
    QTest::addColumn<QString>("roots");
    using enum QuadraticVerdict;
    QTest::newRow("two roots") << QList<double>{1, -3, 2, 0} << TwoRoots << "2 1";
    QTest::newRow("repeated") << QList<double>{1, 2, 1, 0} << RepeatedRoot << "-1";
    QTest::newRow("none") << QList<double>{1, 0, 1, 0} << NoRealRoot << "";
    QTest::newRow("right-hand side") << QList<double>{1, 0, 1, 5} << TwoRoots << "2 -2";
    QTest::newRow("not quadratic") << QList<double>{0, 1, 1, 0} << NotQuadratic << "";
    // 0.00001 rounds to 0 in four decimals.
    QTest::newRow("tiny discriminant") << QList<double>{1, 0, -0.0000025, 0} << RepeatedRoot << "0";
    QTest::newRow("halves") << QList<double>{2, -1, -1, 0} << TwoRoots << "1 -0.5";
}

void TestGeometry::quadratic() {
    QFETCH(QList<double>, abck);
    QFETCH(QuadraticVerdict, verdict);
    QFETCH(QString, roots);
    const QuadraticSolution solution =
        SolveQuadratic(abck[0], abck[1], abck[2], std::int16_t(abck[3]));
    QCOMPARE(solution.verdict, verdict);
    QString shown;
    if (verdict == QuadraticVerdict::TwoRoots)
        shown = FormatNumberText(solution.root1) + " " + FormatNumberText(solution.root2);
    else if (verdict == QuadraticVerdict::RepeatedRoot)
        shown = FormatNumberText(solution.root1);
    QCOMPARE(shown, roots);
}

void TestGeometry::simultaneous() {
    const auto solved = SolveSimultaneous(1, 1, 3, 1, -1, 1);
    QVERIFY(solved);
    QCOMPARE(solved->x, 2.0);
    QCOMPARE(solved->y, 1.0);
    QVERIFY(!SolveSimultaneous(1, 2, 3, 2, 4, 6));
    QVERIFY_THROWS_EXCEPTION(CalcError, SolveSimultaneous(1e300, 0, 1, 0, 1e300, 1));
    // A discriminant beyond the currency range is rejected.
    QVERIFY_THROWS_EXCEPTION(CalcError, SolveQuadratic(1, 1e8, 0, 0));
}

void TestGeometry::trigonometry() {
    QCOMPARE(TrigonometryText(1), QStringLiteral("Sine = 0.841470984807897\r\n"
                                                 "Cosine = 0.54030230586814\r\n"
                                                 "Tangent = 1.5574077246549\r\n"
                                                 "Cotangent = 0.642092615934331\r\n"
                                                 "Arctangent = 0.785398163397448"));
    QVERIFY_THROWS_EXCEPTION(CalcError, TrigonometryText(0));
    QCOMPARE(hipo(3, 4), 5.0);
    QVERIFY_THROWS_EXCEPTION(CalcError, hipo(1e200, 1));
}

void TestGeometry::curvePoints_data() {
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("most");
    QTest::newRow("designed range") << -20.0 << 20.0 << 1333 << 1334;
    QTest::newRow("one point") << 5.0 << 5.0 << 1 << 1;
    QTest::newRow("reversed") << 20.0 << -20.0 << 0 << 0;
    QTest::newRow("a million each way") << -1e6 << 1e6 << 7680 << 7681;
    QTest::newRow("whole double range") << -1e308 << 1e308 << 0 << 7681;
    QTest::newRow("steps that change nothing") << 1e15 << 1e15 + 1 << 1 << 1;
}

void TestGeometry::curvePoints() {
    QFETCH(double, x1);
    QFETCH(double, x2);
    QFETCH(int, fewest);
    QFETCH(int, most);
    int count = 0;
    bool onCurve = true;
    ForEachCurvePoint(x1, x2, 1920, [&](float x, float y) {
        ++count;
        if (std::abs(x) < 100) // single precision: y within a pixel's worth
            onCurve = onCurve && std::abs(double(y) - double(x) * std::sin(double(x))) < 1e-4;
    });
    QVERIFY2(count >= fewest && count <= most, QByteArray::number(count));
    QVERIFY(onCurve);
    QCOMPARE(PlotStep(-20, 20, 1920), 0.03);
}

void TestGeometry::shapes_data() {
    QTest::addColumn<ShapeCalculatorKind>("kind");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QStringList>("boxes"); // Text1 to Text4
    QTest::addColumn<QString>("result");    // "fails" when it throws
    using enum ShapeCalculatorKind;
    const struct {
        ShapeCalculatorKind kind;
        const char *shape;
        QStringList boxes;
        const char *result;
    } rows[] = {
        {Perimeter, "Circle", {"1"}, "6.283185307"},
        {Perimeter, "Circle", {""}, "fails"},
        {Perimeter, "Parallelogram", {"3", "4"}, "14"},
        {Perimeter, "Rectangle", {"3", "4"}, "14"},
        {Perimeter, "Rectangle", {"", ""}, "0"},
        {Perimeter, "Regular n-polygon", {"6", "2"}, "12"},
        {Perimeter, "Square", {"2.5"}, "10"},
        {Perimeter, "Square", {"abc"}, "fails"},
        {Perimeter, "Trapezoid", {"4", "9", "3"}, "22"}, // legs of 5
        {Perimeter, "Trapezoid", {"", "9", "3"}, "fails"},
        {Perimeter, "Triangle", {"3", "4", "5"}, "12"},
        {Area, "Circle", {"2"}, "12.566370614"},
        {Area, "Cone (surface)", {"2", "3"}, "18.849555921"},
        {Area, "Cube (surface)", {"2"}, "24"},
        {Area, "Cylinder (surface of side)", {"1", "1"}, "6.283185307"},
        {Area, "Cylinder (whole surface)", {"1", "1"}, "12.566370614"},
        {Area, "Ellipse", {"2", "3"}, "18.849555921"},
        {Area, "Parallelogram", {"3", "4"}, "12"},
        {Area, "Rectangle", {"3", "4"}, "12"},
        {Area, "Sphere (surface)", {"1"}, "12.566370614"},
        {Area, "Square", {"3"}, "9"},
        {Area, "Square", {""}, "fails"},
        {Area, "Torus (surface)", {"1", "3"}, "78.9568352042014"},
        {Area, "Trapezoid", {"2", "3", "5"}, "8"},
        {Area, "Trapezoid", {"2", "", "x"}, "0"},
        {Area, "Triangle", {"3", "4"}, "6"},
        {Volume, "Cone", {"3", "", "", "1"}, "3.1415926535"},
        {Volume, "Cube", {"2"}, "8"},
        {Volume, "Cube", {""}, "fails"},
        {Volume, "Cube", {"1e200"}, "fails"},
        {Volume, "Cuboid", {"2", "3", "4"}, "24"},
        {Volume, "Cylinder", {"1", "", "", "1"}, "3.1415926535"},
        {Volume, "Cylinder", {"1", "1", "", ""}, "fails"}, // its radius is in Text4
        {Volume, "Ellipsoid", {"1", "1", "3"}, "12.566370614"},
        {Volume, "Irregular Prism", {"2", "3"}, "6"},
        {Volume, "Pyramid", {"3", "4"}, "4"},
        {Volume, "Rectangular Prism", {"2", "3", "4"}, "24"},
        {Volume, "Sphere", {"3"}, "113.097335526"},
        {Volume, "T Prism", {"2", "3"}, "6"},
        {Volume, "Torus", {"3", "", "", "1"}, "39.4784176021007"},
    };
    for (const auto &row : rows) {
        QStringList boxes = row.boxes;
        while (boxes.size() < 4)
            boxes << QString();
        QTest::addRow("%d %s %s", int(row.kind), row.shape, qPrintable(row.boxes.join('|')))
            << row.kind << row.shape << boxes << row.result;
    }
}

void TestGeometry::shapes() {
    QFETCH(ShapeCalculatorKind, kind);
    QFETCH(QString, shape);
    QFETCH(QStringList, boxes);
    QFETCH(QString, result);
    const Shape *found = findShape(shapeTable(kind), shape);
    QVERIFY(found);
    const std::array<QString, 5> texts = {QString(), boxes[0], boxes[1], boxes[2], boxes[3]};
    if (result == "fails")
        QVERIFY_THROWS_EXCEPTION(CalcError, computeShape(*found, texts));
    else
        QCOMPARE(FormatNumberText(computeShape(*found, texts)), result);
}

// Every shape takes its first input in Text1; volumes put the second in Text2 or Text4, the
// flat shapes never use Text4; a place without a box has no caption to show.
void TestGeometry::everyShapeHasItsInputs() {
    using enum ShapeCalculatorKind;
    QCOMPARE(shapeTable(Perimeter).shapes.size(), std::size_t(7));
    QCOMPARE(shapeTable(Area).shapes.size(), std::size_t(13));
    QCOMPARE(shapeTable(Volume).shapes.size(), std::size_t(11));
    for (ShapeCalculatorKind kind : {Perimeter, Area, Volume}) {
        for (const Shape &shape : shapeTable(kind).shapes) {
            QCOMPARE(shape.inputs[0].box, 1);
            QVERIFY(shape.inputs[1].box == 0 || shape.inputs[1].box == 2 ||
                    (kind == Volume && shape.inputs[1].box == 4));
            QVERIFY(shape.inputs[2].box == 0 || shape.inputs[2].box == 3);
            for (const ShapeInput &input : shape.inputs)
                QCOMPARE(input.caption == nullptr, input.box == 0);
        }
    }
    QVERIFY(!findShape(shapeTable(Area), "circle"));
}

void TestGeometry::mapScale() {
    QCOMPARE(RealDistance(5, 100000), 5.0);
    QCOMPARE(DistanceOnMap(5, 100000), 5.0);
    QCOMPARE(MapScaleOf(5, 5), 100000.0);
    QCOMPARE(FormatNumberText(MapScaleOf(12, 3)), QStringLiteral("400000"));
    QVERIFY_THROWS_EXCEPTION(CalcError, MapScaleOf(5, 0));
    QVERIFY_THROWS_EXCEPTION(CalcError, DistanceOnMap(5, 0));
}

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
