// Random deliveries and partial invoices, some of them over-billing on
// purpose, on FIFO and average-cost items and at two rates: after every write
// the books keep all their rules, and a refused write leaves nothing behind.
#include "support/SalesBook.h"

#include <random>

using namespace orv;

namespace {

class SalesPropertyTest : public test::SalesBook {
protected:
    struct Open {
        QString item;
        qint64 doNo;
        int customer;
        int open;
        QString price;
    };
    // What a refused write must leave as it was.
    QString footprint() {
        return scalar(QStringLiteral(
            "SELECT (SELECT COUNT(*) FROM Orders) || '/' || (SELECT COUNT(*) FROM Ledger_T) || '/' || "
            "(SELECT COUNT(*) FROM VAT_Control) || '/' || (SELECT SUM(Open_Qty) FROM Temp_Stock_T) || '/' || "
            "(SELECT SUM(Qty_On_Hand) FROM Stock_Item_T)"));
    }
};

} // namespace

TEST_F(SalesPropertyTest, RandomDeliveriesAndInvoicesKeepTheBooksSound) {
    const QString items[] = {QStringLiteral("A100"), QStringLiteral("B200"), QStringLiteral("P300")};
    for (int round = 0; round < 4; ++round)
        ASSERT_EQ(receive({{"A100", 40, QStringLiteral("1.%1").arg(round * 3 + 1)},
                           {"B200", 40, "0.35"},
                           {"P300", 40, QStringLiteral("2.0%1").arg(round)}}),
                  QString::number(round + 1));
    std::mt19937 random(29);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::vector<Open> open;
    int refused = 0;
    for (int step = 0; step < 240; ++step) {
        const QString before = footprint();
        QString result;
        if (open.empty() || pick(3) == 0) {
            const int customer = pick(2) == 0 ? kCustomer : kForeign;
            std::vector<Delivered> lines;
            for (int i = 0; i < 3; ++i)
                if (pick(2) == 0)
                    lines.push_back({items[i], 1 + pick(6), QStringLiteral("%1.25").arg(3 + pick(9))});
            if (lines.empty())
                lines.push_back({items[pick(3)], 1 + pick(4)});
            result = deliver(lines, QStringLiteral("P%1").arg(step), customer);
            if (result != clsDO_Entry::kFailureText)
                for (const Delivered& d : lines)
                    open.push_back({d.item, result.toLongLong(), customer, d.qty, d.price});
        } else {
            const int customer = open[static_cast<size_t>(pick(static_cast<int>(open.size())))].customer;
            std::vector<Billed> lines;
            std::vector<std::pair<size_t, int>> taken;
            for (size_t i = 0; i < open.size() && lines.size() < 4; ++i) {
                if (open[i].customer != customer || open[i].open == 0 || pick(2) == 0)
                    continue;
                // One line in eight asks for more than is left.
                const int qty = pick(8) == 0 ? open[i].open + 1 : 1 + pick(open[i].open);
                lines.push_back({open[i].item, open[i].doNo, qty, open[i].price, QStringLiteral("1"),
                                 QStringLiteral("0.07"), QStringLiteral("P%1").arg(open[i].doNo)});
                taken.emplace_back(i, qty);
            }
            if (lines.empty())
                continue;
            const bool foreign = customer == kForeign;
            result =
                invoice(lines, {.customer = customer,
                                .currency = foreign ? QStringLiteral("USD") : QStringLiteral("SGD"),
                                .rate = foreign ? (pick(2) ? QStringLiteral("1.5") : QStringLiteral("0.7321"))
                                                : QStringLiteral("1")});
            if (result != clsSale_Entry::kFailureText)
                for (const auto& [i, qty] : taken)
                    open[i].open -= qty;
        }
        if (result == clsSale_Entry::kFailureText) {
            ++refused;
            ASSERT_EQ(footprint(), before) << "step " << step << ": a refused write left something";
        }
        expectBooksSound();
        if (HasFailure())
            FAIL() << "step " << step << " broke the books (" << lastReason.toStdString() << ")";
    }
    EXPECT_GT(refused, 5) << "some over-billing and stock-outs were tried";
}
