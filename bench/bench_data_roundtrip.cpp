// One data-class read: open the connection, read a 1,000-row table into a
// detached result, close. Run: build/bin/bench_data_roundtrip
#include "data/Connection.h"
#include "data/DataClass.h"
#include "db/CompanyDatabase.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class Reader : public orv::DataClass {
public:
    Reader() { Class_Initialize(); }
};

void BM_ReadThousandRows(benchmark::State& state) {
    QTemporaryDir dir;
    orv::db::CompanyDatabase::setPath(dir.filePath(QStringLiteral("bench.sqlite")));
    {
        orv::Connection c(orv::kDataClassConnection);
        c.open();
        c.execute(
            QStringLiteral("CREATE TABLE Bench_T (Row_ID INTEGER PRIMARY KEY, Name TEXT, Amount CURRENCY);"
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                           "INSERT INTO Bench_T (Name, Amount) SELECT 'Item ' || i, i * 12345 FROM n;"));
    }
    Reader reader;
    for (auto _ : state) {
        orv::Recordset rs = reader.Get_Table_Recordset(QStringLiteral("Bench_T"));
        benchmark::DoNotOptimize(rs.recordCount());
    }
    orv::db::CompanyDatabase::closeConnection();
}
BENCHMARK(BM_ReadThousandRows)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
