// Qt Designer's view of the controls: the built plugin loads, lists the Projection control and
// creates it.

#include <QComboBox>
#include <QPluginLoader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace korv {

class DesignerPluginTest : public QObject {
    Q_OBJECT

private slots:
    void lists_and_creates_the_projection_control() {
        QPluginLoader loader(QStringLiteral(KORV_DESIGNER_PLUGIN));
        QObject* plugin = loader.instance();
        QVERIFY2(plugin != nullptr, qPrintable(loader.errorString()));
        auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin);
        QVERIFY(collection != nullptr);

        QDesignerCustomWidgetInterface* projection = nullptr;
        for (QDesignerCustomWidgetInterface* control : collection->customWidgets()) {
            if (control->name() == QStringLiteral("korv::Projection")) {
                projection = control;
            }
        }
        QVERIFY(projection != nullptr);
        QCOMPARE(projection->includeFile(), QStringLiteral("projection.h"));
        QVERIFY(!projection->isContainer());
        QVERIFY(projection->domXml().contains("class=\"korv::Projection\""));

        QWidget form;
        QWidget* control = projection->createWidget(&form);
        QVERIFY(control != nullptr);
        QCOMPARE(control->parent(), &form);
        QCOMPARE(control->metaObject()->className(), "korv::Projection");
        QVERIFY(control->findChild<QComboBox*>("Combo_projection") != nullptr);
    }
};

}  // namespace korv

QTEST_MAIN(korv::DesignerPluginTest)
#include "designer_plugin_test.moc"
