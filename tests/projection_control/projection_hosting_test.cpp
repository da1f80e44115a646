// A host that knows the control only by its class name: it creates it through the control
// factory and reaches CoordinateSystem late-bound, with the record in a QVariant. This program
// does not link the control library.

#include <QLineEdit>
#include <QMetaObject>
#include <QVariant>
#include <QtTest>

#include "control_factory.h"
#include "record_metatypes.h"
#include "test_records.h"
#include "test_sandbox.h"

namespace korv {
namespace {

constexpr char kClassName[] = "KorvProjection.Projection";

// Why the assignment was refused, or an empty text when it was taken.
QString assign(QWidget* control, const QVariant& value) {
    std::optional<QString> failure = QStringLiteral("not called");
    const bool called = QMetaObject::invokeMethod(control, "setCoordinateSystem",
                                                  Q_RETURN_ARG(std::optional<QString>, failure),
                                                  Q_ARG(QVariant, value), Q_ARG(int32_t, 0));
    return called ? failure.value_or(QString()) : QStringLiteral("not invokable");
}

int32_t read(QWidget* control, QVariant& value) {
    int32_t ierr = 1;
    if (!QMetaObject::invokeMethod(control, "CoordinateSystem", Q_RETURN_ARG(int32_t, ierr),
                                   Q_ARG(QVariant&, value))) {
        return 1;
    }
    return ierr;
}

}  // namespace

class ProjectionHostingTest : public QObject {
    Q_OBJECT

private slots:
    void created_by_class_name_and_reached_late_bound() {
        QWidget form;
        QString error;
        QWidget* control = create_control(kClassName, &form, &error);
        QVERIFY2(control != nullptr, qPrintable(error));
        QCOMPARE(control->parent(), &form);
        QCOMPARE(control->metaObject()->className(), "korv::Projection");

        QCOMPARE(assign(control, QVariant::fromValue(testing::mga_zone55())), QString());
        QCOMPARE(control->findChild<QLineEdit*>("Text_zone_number")->text(), QStringLiteral("55"));
        QVariant value;
        QCOMPARE(read(control, value), 0);
        QVERIFY(value.canConvert<CoordSystem>());
        const CoordSystem record = value.value<CoordSystem>();
        QCOMPARE(record.name, std::string("MGA zone 55"));
        QCOMPARE(record.zone_number, 55);
        QCOMPARE(record.defined, kTrue);
        QCOMPARE(record.derived[0], double(kUniversalTransverseMercator));

        // The typed members, by name too.
        QVERIFY(
            control->setProperty("coordinateSystem", QVariant::fromValue(testing::mga_zone55())));
        QCOMPARE(control->property("coordinateSystem").value<CoordSystem>().defined, kFalse);
        bool accepted = false;
        QVERIFY(QMetaObject::invokeMethod(control, "acceptEntries", Q_RETURN_ARG(bool, accepted)));
        QVERIFY(accepted);
        QCOMPARE(control->property("coordinateSystem").value<CoordSystem>().defined, kTrue);
    }

    void a_failed_read_leaves_the_hosts_value() {
        testing::MessageRecorder messages;
        QWidget form;
        QWidget* control = create_control(kClassName, &form);
        QVERIFY(control != nullptr);
        QCOMPARE(assign(control, QVariant::fromValue(testing::mga_zone55())), QString());
        control->findChild<QLineEdit*>("Text_zone_number")->setText("0");
        QVariant value = QStringLiteral("kept");
        QCOMPARE(read(control, value), -1);
        QCOMPARE(value, QVariant(QStringLiteral("kept")));
        QCOMPARE(messages.messages(), QStringList{"Zone number must be positive"});
    }

    void anything_but_a_record_is_refused_data() {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("number") << QVariant(0);
        QTest::newRow("text") << QVariant(QStringLiteral("55"));
        QTest::newRow("empty") << QVariant();
        QTest::newRow("other record") << QVariant::fromValue(CoordTransform{});
    }
    void anything_but_a_record_is_refused() {
        QFETCH(QVariant, value);
        QWidget form;
        QWidget* control = create_control(kClassName, &form);
        QVERIFY(control != nullptr);
        QCOMPARE(assign(control, QVariant::fromValue(testing::mga_zone55())), QString());
        QVERIFY(assign(control, value).startsWith("Type mismatch"));
        // The control's record is as it was: Reset shows it, and a read hands it out.
        control->findChild<QLineEdit*>("Text_zone_number")->setText("7");
        QMetaObject::invokeMethod(control->findChild<QWidget*>("Command_reset"), "click");
        QCOMPARE(control->findChild<QLineEdit*>("Text_zone_number")->text(), QStringLiteral("55"));
        QVariant read_back;
        QCOMPARE(read(control, read_back), 0);
        QCOMPARE(read_back.value<CoordSystem>().name, std::string("MGA zone 55"));
    }

    void unknown_class_names_create_nothing_data() {
        QTest::addColumn<QString>("class_name");
        QTest::newRow("other class") << "KorvProjection.PointTransform";
        QTest::newRow("no class") << "KorvProjection";
        QTest::newRow("other library") << "KorvNothing.Projection";
    }
    void unknown_class_names_create_nothing() {
        QFETCH(QString, class_name);
        QString error;
        QCOMPARE(create_control(class_name, nullptr, &error), nullptr);
        QVERIFY(!error.isEmpty());
    }
};

}  // namespace korv

QTEST_MAIN(korv::ProjectionHostingTest)
#include "projection_hosting_test.moc"
