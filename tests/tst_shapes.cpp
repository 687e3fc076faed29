// Shapes by their dimensions: a steel plate weighs as the "PL." page weighs
// it, and a section as the section pages do, to the last bit; and every
// shape's unit weight in the materials.
#include "calc/calc.h"
#include "calc/shapes.h"
#include "catalogue/item.h"
#include "catalogue/itemrules.h"

#include <QtTest>

#include <bit>

using namespace msweight;

Q_DECLARE_METATYPE(msweight::ShapeKind)

class TestShapes : public QObject
{
    Q_OBJECT

private slots:
    void plateAgreesWithThePage_data();
    void plateAgreesWithThePage();
    void unitWeight_data();
    void unitWeight();
};

void TestShapes::plateAgreesWithThePage_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<double>("thickness");
    // Values whose products round differently under another grouping.
    QTest::newRow("2.5 x 1.25 x 3 of 10") << 2.5 << 1.25 << 3.0 << 10.0;
    QTest::newRow("0.1 x 0.7 x 3 of 0.3") << 0.1 << 0.7 << 3.0 << 0.3;
    QTest::newRow("6.3 x 1.55 x 7 of 12.7") << 6.3 << 1.55 << 7.0 << 12.7;
    QTest::newRow("1e-3 x 123.456 x 0.5 of 1.1") << 1e-3 << 123.456 << 0.5 << 1.1;
    QTest::newRow("2.4 x 0.3 x 11 of 4.5") << 2.4 << 0.3 << 11.0 << 4.5;
}

void TestShapes::plateAgreesWithThePage()
{
    QFETCH(double, length);
    QFETCH(double, width);
    QFETCH(double, quantity);
    QFETCH(double, thickness);
    const double page = PlateWeight(length, width, quantity, thickness);
    const ShapeItem plate{{ShapeKind::Plate, 0, 0, thickness}, MildSteel()};
    const double shape = ItemWeight(plate, length, quantity, width);
    QCOMPARE(std::bit_cast<quint64>(shape), std::bit_cast<quint64>(page));
    // A section: the length and quantity first, then the unit weight.
    const Item beam = &SteelTables().rolled.front();
    const double section = ItemWeight(beam, length, quantity);
    QCOMPARE(std::bit_cast<quint64>(section),
             std::bit_cast<quint64>(SectionWeight(length, quantity, ItemUnitWeight(beam))));
}

void TestShapes::unitWeight_data()
{
    QTest::addColumn<ShapeKind>("kind");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("t");
    QTest::addColumn<int>("material"); // an index into MaterialWords
    QTest::addColumn<double>("kgPerUnit");
    // Per square metre: 10 mm of steel.
    QTest::newRow("PL 10") << ShapeKind::Plate << 0.0 << 0.0 << 10.0 << 0 << 78.5;
    QTest::newRow("PL 1500x10") << ShapeKind::Plate << 1500.0 << 0.0 << 10.0 << 0 << 117.75;
    QTest::newRow("PL 3 SS304") << ShapeKind::Plate << 0.0 << 0.0 << 3.0 << 1 << 23.79;
    QTest::newRow("flat 40x5 aluminium") << ShapeKind::Flat << 40.0 << 0.0 << 5.0 << 3 << 0.54;
    QTest::newRow("RB 20") << ShapeKind::RoundBar << 20.0 << 0.0 << 0.0 << 0 << 2.4661502330679874;
    QTest::newRow("RB 20 brass") << ShapeKind::RoundBar << 20.0 << 0.0 << 0.0 << 5 << 2.670353755551324;
    QTest::newRow("SQ 16") << ShapeKind::SquareBar << 16.0 << 0.0 << 0.0 << 0 << 2.0096;
    QTest::newRow("SQ 16 copper") << ShapeKind::SquareBar << 16.0 << 0.0 << 0.0 << 4 << 2.28864;
    QTest::newRow("CHS 48.3x4 SS316") << ShapeKind::CircularHollow << 48.3 << 0.0 << 4.0 << 2 << 4.4535217457288905;
    // Corners of 8 mm outside and 4 mm inside: 2 x 4 x (60 + 40 - 8) less (4 - pi)(64 - 16).
    QTest::newRow("RHS 60x40x4 cast iron")
        << ShapeKind::RectangularHollow << 60.0 << 40.0 << 4.0 << 6 << 7200 * (736 - (4 - M_PI) * 48) / 1e6;
    QTest::newRow("SHS 40x40x3.2") << ShapeKind::SquareHollow << 40.0 << 40.0 << 3.2 << 0
                                   << 7850 * (2 * 3.2 * (80 - 6.4) - (4 - M_PI) * 3 * 3.2 * 3.2) / 1e6;
}

void TestShapes::unitWeight()
{
    QFETCH(ShapeKind, kind);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, t);
    QFETCH(int, material);
    QFETCH(double, kgPerUnit);
    const double weight = UnitWeight({kind, a, b, t}, MaterialOf(std::uint8_t(material)).densityKgM3);
    QVERIFY2(std::abs(weight - kgPerUnit) <= 1e-12 * kgPerUnit, qPrintable(QString::number(weight, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestShapes)
#include "tst_shapes.moc"
