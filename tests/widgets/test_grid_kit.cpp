// The grid model's filter over the loaded rows and the refresh coalescer's one-more-pass rule.
#include "widgets/refresh_coalescer.h"
#include "widgets/rows_model.h"

#include <QTimer>
#include <QtTest>

namespace velmar {

namespace {

struct Item {
    int id;
    QString name;
};

const RowsModel<Item>::Columns& itemColumns()
{
    static const RowsModel<Item>::Columns list{
        {{}, QStringLiteral("Nr"), 3, kNumberAlignment, [](const Item& i) { return numberText(i.id); }},
        {{}, QStringLiteral("Nume"), 10, kTextAlignment, [](const Item& i) { return i.name; }, Emphasis::BoldRed},
    };
    return list;
}

QStringList shownIds(const RowsModel<Item>& model)
{
    QStringList ids;
    for (int r = 0; r < model.rowCount(); ++r)
        ids << model.index(r, 0).data().toString();
    return ids;
}

}  // namespace

class GridKitTest : public QObject {
    Q_OBJECT

private slots:
    void theFilterNarrowsInListOrderAndOutlivesAReload()
    {
        RowsModel<Item> model(itemColumns(), nullptr);
        model.setRows({{1, "ANA"}, {2, "ION"}, {3, "ANDREI"}});
        model.setFilter([](const Item& i) { return i.name.startsWith(u"AN"); });
        QCOMPARE(shownIds(model), QStringList({"1", "3"}));
        QCOMPARE(model.row(1).name, QString("ANDREI"));
        QCOMPARE(model.rowWhere([](const Item& i) { return i.id == 3; }), 1);
        QCOMPARE(model.rowWhere([](const Item& i) { return i.id == 2; }), -1);  // loaded, not shown

        model.setRows({{4, "ANCA"}, {5, "VASILE"}, {6, "ANA"}});
        QCOMPARE(shownIds(model), QStringList({"4", "6"}));
        QCOMPARE(int(model.displayedRows().size()), 2);
        model.setFilter({});
        QCOMPARE(shownIds(model), QStringList({"4", "5", "6"}));
    }

    void theColumnTableDecidesTheLook()
    {
        RowsModel<Item> model(itemColumns(), nullptr);
        model.setRows({{7, "ANA"}});
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Nume"));
        QCOMPARE(model.index(0, 0).data(Qt::TextAlignmentRole).toInt(), int(kNumberAlignment));
        QVERIFY(!model.index(0, 0).data(Qt::FontRole).isValid());
        QVERIFY(model.index(0, 1).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(model.index(0, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    }

    // Requests that arrive while a pass lets the screen follow cost one more pass, not one each, and that
    // pass sees the last of them.
    void requestsDuringAPassGetOneMorePassWithTheLastValue()
    {
        int passes = 0;
        int value = 0;
        QList<int> seen;
        RefreshCoalescer refresh([&] {
            ++passes;
            seen << value;
        });
        for (int v = 1; v <= 3; ++v) {
            QTimer::singleShot(0, [&, v] {
                value = v;
                refresh.request();
            });
        }
        refresh.request();
        QCOMPARE(passes, 2);
        QCOMPARE(seen, QList<int>({0, 3}));

        refresh.request();  // nothing pending any more: one pass
        QCOMPARE(passes, 3);
    }

    void requestsMadeWhileIgnoredAreDropped()
    {
        int passes = 0;
        RefreshCoalescer refresh([&] { ++passes; });
        refresh.ignoreDuring([&] {
            refresh.request();
            refresh.request();
        });
        QCOMPARE(passes, 0);
        refresh.request();
        QCOMPARE(passes, 1);
    }
};

}  // namespace velmar

QTEST_MAIN(velmar::GridKitTest)
#include "test_grid_kit.moc"
