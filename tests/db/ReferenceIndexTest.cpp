#include "db/CompanyDatabase.h"
#include "support/TestBook.h"
#include "values/Recordset.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

using namespace orv;

namespace {

class ReferenceIndexes : public test::TestBook {
protected:
    QStringList rows(const QString& query) {
        QStringList out;
        Recordset rs = db::CompanyDatabase::execute(query);
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            out << rs.value(0).toString();
        return out;
    }

    // "table.column" of every reference to a master row whose column leads
    // no index (a rowid key is its own index). A stock move's layer is no
    // master: nothing deletes or renumbers a layer.
    QStringList unindexedReferences() {
        return rows(QStringLiteral(
            "SELECT DISTINCT m.name || '.' || f.\"from\" FROM sqlite_master m, "
            "pragma_foreign_key_list(m.name) f "
            "WHERE m.type = 'table' AND f.seq = 0 AND f.\"table\" <> 'Stock_Layer_T' "
            "AND NOT EXISTS (SELECT 1 FROM pragma_index_list(m.name) il, pragma_index_info(il.name) ii "
            "                WHERE ii.seqno = 0 AND ii.name = f.\"from\") "
            "AND NOT EXISTS (SELECT 1 FROM pragma_table_info(m.name) t "
            "                WHERE t.name = f.\"from\" AND t.pk = 1 AND upper(t.type) = 'INTEGER') "
            "ORDER BY 1"));
    }

    QStringList schema() {
        return rows(QStringLiteral(
            "SELECT type || ' ' || name || ': ' || ifnull(sql, '') FROM sqlite_master ORDER BY type, name"));
    }
};

} // namespace

TEST_F(ReferenceIndexes, EveryReferenceOfANewBookIsIndexed) {
    EXPECT_EQ(unindexedReferences(), QStringList());
}

TEST_F(ReferenceIndexes, ABookMadeBeforeTheIndexesGetsThemWhenOpened) {
    const QStringList fresh = schema();
    const QRegularExpression indexName(QStringLiteral("CREATE INDEX IF NOT EXISTS (\\w+)"));
    int dropped = 0;
    for (const char* step : {"0003_reference_indexes", "0005_stock_indexes"}) {
        QFile upgrade(QStringLiteral(":/db/migrations/%1.sql").arg(QLatin1String(step)));
        ASSERT_TRUE(upgrade.open(QIODevice::ReadOnly));
        for (const auto& m : indexName.globalMatch(QString::fromUtf8(upgrade.readAll()))) {
            sql(QStringLiteral("DROP INDEX IF EXISTS ") + m.captured(1));
            ++dropped;
        }
    }
    ASSERT_GT(dropped, 0);
    // Nor had it the ledger's size, which came after.
    sql(QStringLiteral(
        "DROP TRIGGER Ledger_T_limit_update; "
        "DROP TRIGGER Ledger_T_size_update; "
        "DROP TRIGGER Ledger_T_size_delete; DROP TABLE Ledger_Size_T; PRAGMA user_version = 2"));
    ASSERT_FALSE(unindexedReferences().isEmpty());
    db::CompanyDatabase::closeConnection();

    EXPECT_EQ(unindexedReferences(), QStringList());
    EXPECT_EQ(schema(), fresh) << "an upgraded book differs from a new one";
}

// The staging rules ask "has this master been used?" before a change or a
// delete; each question must find its rows through an index, never by
// reading a whole table of lines.
TEST_F(ReferenceIndexes, HistoryProbesSearchAnIndex) {
    const QStringList probes = {
        "Document_T WHERE customerid = 1",
        "Document_T WHERE EmployeeID = 1",
        "Orders WHERE customerid = 1",
        "Orders WHERE EmployeeID = 1",
        "Orders WHERE ShipVia = 1",
        "Ledger_T WHERE GL_ID = 1",
        "Ledger_T WHERE Party_Kind = 'C' AND Party_ID = 1 AND Leg IN ('ITEM','SETTLE')",
        "Journal_T WHERE GL_ID = 1",
        "Sales_T WHERE customerid = 1",
        "Sales_Adj_T WHERE customerid = 1",
        "Purchases_T WHERE customerid = 1",
        "Purchases_Adj_T WHERE customerid = 1",
        "Forex_Unrealised_T WHERE creditorid = 1",
        "Forex_Unrealised_AR_T WHERE creditorid = 1",
        "Forex_Master_T WHERE Cur_Type = 'USD'",
        "VAT_Control WHERE customerid = 1",
        "VAT_Control WHERE vat_code = 1",
        "Temp_VAT_Control WHERE vat_code = 1",
        "Sales_T WHERE vat_code = 1",
        "Purchases_T WHERE vat_code = 1",
        "Product_T WHERE vat_code = 1",
        "Temp_Stock_T WHERE vat_code = 1",
        "Temp_Stock_T WHERE Pdt_ID_VC = 'A'",
        "Product_T WHERE Pdt_Category_VC = 'GEN'",
        "Product_T WHERE Pdt_Acctset_VC = 'STANDARD'",
        "Cash_T WHERE Bank_Code_VC = 1",
    };
    for (const QString& probe : probes) {
        Recordset rs =
            db::CompanyDatabase::execute(QStringLiteral("EXPLAIN QUERY PLAN SELECT 1 FROM ") + probe);
        QStringList details;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            details << rs.value(3).toString();
        EXPECT_TRUE(details.size() == 1 && details.first().startsWith(QLatin1String("SEARCH")))
            << probe.toStdString() << ": " << details.join(QLatin1String("; ")).toStdString();
    }
}

// The lookups a stock line's rules make while it posts (numbering its layer,
// a stock row counted twice, the layers an issue takes, the moves it wrote),
// and the stock movement's year, read through an index: a post or a year's
// report costs the same on a book of a million moves as on a new one.
TEST_F(ReferenceIndexes, StockPostsAndTheMovementYearSearchAnIndex) {
    QFile movement(QStringLiteral(":/db/procedures/select_stock_movement.sql"));
    ASSERT_TRUE(movement.open(QIODevice::ReadOnly));
    const QStringList statements = {
        "SELECT 1 FROM Temp_Stock_T WHERE doc_type = 'GRN' AND Doc_No_VC = ?1 AND date_dt <> ?2",
        "SELECT COUNT(*) FROM Stock_Layer_T WHERE Post_No = ?1",
        "SELECT 1 FROM Stock_Adj_T WHERE DocID = ?1 AND Doc_ID = ?2",
        "SELECT Qty_Left FROM Stock_Layer_T WHERE Layer_Ref = ?1 AND Pdt_ID_VC = ?2",
        "SELECT 1 FROM Stock_Layer_T WHERE Post_No = ?1 AND LayerID = (SELECT MAX(LayerID) FROM "
        "Stock_Layer_T)",
        "SELECT LayerID, SUM(Qty_Left) OVER (ORDER BY date_dt, LayerID ROWS UNBOUNDED PRECEDING) "
        "FROM Stock_Layer_T WHERE Pdt_ID_VC = ?1 AND Qty_Left > 0 AND (?2 IS NULL OR LayerID = ?2)",
        "SELECT 1 FROM Stock_Move_T m JOIN Stock_Layer_T l ON l.LayerID = m.LayerID "
        "WHERE m.Src_Table = ?1 AND m.Src_Row = ?2",
        // The FIFO walk's step to the next open layer, and the layers its moves took.
        "SELECT LayerID FROM Stock_Layer_T WHERE Pdt_ID_VC = ?2 AND Qty_Left > 0 "
        "AND (date_dt, LayerID) > (?2, ?1) ORDER BY date_dt, LayerID LIMIT 1",
        "SELECT (SELECT m.Qty FROM Stock_Move_T m WHERE m.Src_Table = ?2 AND m.Src_Row = ?1 "
        "AND m.LayerID = l.LayerID) FROM Stock_Layer_T l WHERE Pdt_ID_VC = ?2 AND Qty_Left > 0 "
        "AND (date_dt, LayerID) <= (SELECT t.date_dt, t.LayerID FROM Stock_Layer_T t WHERE t.LayerID = "
        "(SELECT m.LayerID FROM Stock_Move_T m WHERE m.Src_Table = ?2 AND m.Src_Row = ?1 "
        "ORDER BY m.MoveID DESC LIMIT 1))",
        "SELECT SUM(Value) FROM Stock_Move_T WHERE Src_Table = ?1 AND Src_Row = ?2 AND Qty > 0",
        "SELECT Qty_On_Hand FROM Stock_Item_T WHERE Pdt_ID_VC = ?1 AND ?2 IS NOT NULL",
        QString::fromUtf8(movement.readAll()).replace(QLatin1String(":year"), QLatin1String("?1 + ?2")),
    };
    for (const QString& statement : statements) {
        Recordset rs = db::CompanyDatabase::execute(QStringLiteral("EXPLAIN QUERY PLAN ") + statement,
                                                    {Variant(std::int32_t{1}), Variant(QStringLiteral("A"))});
        QStringList scans;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            const QString detail = rs.value(3).toString();
            if (detail.startsWith(QLatin1String("SCAN ")) &&
                !detail.startsWith(QLatin1String("SCAN (subquery")))
                scans << detail;
        }
        EXPECT_EQ(scans, QStringList()) << statement.left(120).toStdString();
    }
}

TEST_F(ReferenceIndexes, TheAgeingAndTheAdjustmentsListReadEachItemsOpenLayersInOrderFromTheirIndex) {
    const std::pair<const char*, const char*> reads[] = {
        {"select_stock_ageing", "SEARCH l USING COVERING INDEX Stock_Layer_Open (Pdt_ID_VC=?)"},
        {"stock_balance_adjustment", "SEARCH l USING INDEX Stock_Layer_Open (Pdt_ID_VC=?) LEFT-JOIN"}};
    for (const auto& [procedure, layers] : reads) {
        QFile file(QStringLiteral(":/db/procedures/%1.sql").arg(QLatin1String(procedure)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        Recordset rs = db::CompanyDatabase::execute(
            QStringLiteral("EXPLAIN QUERY PLAN ") + QString::fromUtf8(file.readAll()),
            {Variant(std::int32_t{1}), Variant(), Variant(std::int32_t{50})});
        QStringList plan;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            plan << rs.value(3).toString();
        EXPECT_TRUE(plan.contains(QLatin1String(layers))) << procedure << "\n"
                                                          << plan.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(plan.filter(QStringLiteral("TEMP B-TREE")).isEmpty())
            << procedure << "\n"
            << plan.join(QLatin1Char('\n')).toStdString();
    }
}
