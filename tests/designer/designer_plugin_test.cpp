// Qt Designer's view of the controls: the built plugin loads, lists each control and creates it.

#include <QPluginLoader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace korv {

class DesignerPluginTest : public QObject {
    Q_OBJECT

private slots:
    void lists_and_creates_each_control_data() {
        QTest::addColumn<QString>("class_name");
        QTest::addColumn<QString>("include_file");
        QTest::addColumn<QString>("a_child");
        QTest::newRow("Projection") << "korv::Projection"
                                    << "projection.h"
                                    << "Combo_projection";
        QTest::newRow("PointTransform") << "korv::PointTransform"
                                        << "point_transform.h"
                                        << "Tab_transform_type";
    }
    void lists_and_creates_each_control() {
        QFETCH(QString, class_name);
        QFETCH(QString, include_file);
        QFETCH(QString, a_child);
        QPluginLoader loader(QStringLiteral(KORV_DESIGNER_PLUGIN));
        QObject* plugin = loader.instance();
        QVERIFY2(plugin != nullptr, qPrintable(loader.errorString()));
        auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin);
        QVERIFY(collection != nullptr);

        QDesignerCustomWidgetInterface* entry = nullptr;
        for (QDesignerCustomWidgetInterface* control : collection->customWidgets()) {
            if (control->name() == class_name) {
                entry = control;
            }
        }
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->includeFile(), include_file);
        QVERIFY(!entry->isContainer());
        QVERIFY(entry->domXml().contains("class=\"" + class_name + "\""));

        QWidget form;
        QWidget* control = entry->createWidget(&form);
        QVERIFY(control != nullptr);
        QCOMPARE(control->parent(), &form);
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), class_name);
        QVERIFY(control->findChild<QWidget*>(a_child) != nullptr);
    }
};

}  // namespace korv

QTEST_MAIN(korv::DesignerPluginTest)
#include "designer_plugin_test.moc"
