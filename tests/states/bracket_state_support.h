// Test support for the states whose withholding table is the common 13-slot
// bracket row (StateBracketRow): one paycheck through TXL5_Calc, the coverage
// of a table's schedules, and its registration with the bracket-arithmetic
// test.
#ifndef TXL5_TESTS_STATES_BRACKET_STATE_SUPPORT_H
#define TXL5_TESTS_STATES_BRACKET_STATE_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/statecalc.h"
#include "core/txl5.h"
#include "tests/support/brackets.h"
#include "tests/support/paycheck.h"

namespace txl5_test {

// The records of one paycheck: a weekly federal record (layout 165, 1000.00
// of wages; the state calculations here read only its check date, and North
// Dakota before 2002 its federal tax) and a state record of layout 145.
struct StatePaycheck : PaycheckRecords {
    StatePaycheck(int64_t state_code, int64_t year, int64_t status, int64_t pay_periods, int64_t allowances,
                  double wages, int64_t month = 6, int64_t day = 15)
        : PaycheckRecords(state_code, year) {
        fed.check_month = month;
        fed.check_day = day;
        state.state_filing_status = status;
        state.state_pay_periods = pay_periods;
        state.state_allowances = allowances;
        state.state_wages = wages;
        // Neither supplemental method unless a test asks for one.
        state.state_supp_aggregate = -1;
    }

    // Runs the paycheck through the driver; returns its result bits.
    int64_t run() { return TXL5_Calc(1, &fed, &state); }

    // Calls the state calculation itself, as a caller may, bypassing the
    // driver's checks; state_tax is then rounded to cents as the driver would.
    int64_t run_direct(int64_t (*state_function)(FEDERAL_WITHHOLDING_STRUC*, STATE_WITHHOLDING_STRUC*)) {
        const int64_t result = state_function(&fed, &state);
        state.state_tax = dollarround(state.state_tax);
        return result;
    }
};

// One row of a state's paycheck table: the paycheck and what it must withhold.
struct BracketPaycheck {
    std::string why;  // where the expected amount comes from
    int64_t year;
    int64_t status;
    int64_t pay_periods;
    int64_t allowances;
    double wages;
    double state_tax;  // after the driver's rounding to cents
    double rate_used;
};

// Runs each paycheck through the driver: it succeeds with the expected tax and
// rate, on a row of the paycheck's year (every row starts on 1 January).
template <size_t N>
void expect_paychecks(int64_t state_code, const BracketPaycheck (&paychecks)[N]) {
    for (const BracketPaycheck& c : paychecks) {
        StatePaycheck p(state_code, c.year, c.status, c.pay_periods, c.allowances, c.wages);
        EXPECT_EQ(p.run() & 8, 0) << c.why;
        EXPECT_EQ(p.state.state_error, 0) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_tax, c.state_tax) << c.why;
        EXPECT_DOUBLE_EQ(p.state.state_rate_used, c.rate_used) << c.why;
        EXPECT_EQ(p.state.state_table_year, c.year) << c.why;
        EXPECT_EQ(p.state.state_table_month, 1) << c.why;
        EXPECT_EQ(p.state.state_table_day, 1) << c.why;
    }
}

// The state tax of a paycheck through the driver (rounded to cents there).
inline double state_tax_of(int64_t state_code, int64_t year, int64_t status, int64_t pay_periods,
                           int64_t allowances, double wages) {
    StatePaycheck p(state_code, year, status, pay_periods, allowances, wages);
    EXPECT_EQ(p.run() & 8, 0) << "state calculation failed";
    return p.state.state_tax;
}

// Every year, status and pay frequency listed has one schedule: rows of that
// key in table order, the first from 0, each starting where the previous one
// ends, the last without a ceiling, dated 1 January to 31 December.
inline void expect_schedules(const StateBracketRow* table, const std::vector<int64_t>& years,
                             const std::vector<int64_t>& statuses, const std::vector<int64_t>& pay_periods,
                             const std::string& name) {
    for (int64_t year : years) {
        for (int64_t status : statuses) {
            for (int64_t periods : pay_periods) {
                std::vector<const StateBracketRow*> rows;
                for (const StateBracketRow* row = table; row->start_date.month != 0; ++row) {
                    if (row->start_date.year == year && row->status == status && row->pay_periods == periods) {
                        rows.push_back(row);
                    }
                }
                const std::string key = name + " " + std::to_string(year) + " status " + std::to_string(status) +
                                        " pay periods " + std::to_string(periods);
                ASSERT_FALSE(rows.empty()) << key << ": no schedule";
                EXPECT_EQ(rows.front()->lower, 0.0) << key;
                EXPECT_EQ(rows.back()->upper, 0.0) << key;
                for (size_t i = 0; i < rows.size(); ++i) {
                    const StateBracketRow& r = *rows[i];
                    EXPECT_EQ(r.start_date.month, 1) << key;
                    EXPECT_EQ(r.start_date.day, 1) << key;
                    EXPECT_EQ(r.end_date.month, 12) << key;
                    EXPECT_EQ(r.end_date.day, 31) << key;
                    EXPECT_EQ(r.end_date.year, year) << key;
                    if (i > 0) {
                        EXPECT_EQ(r.lower, rows[i - 1]->upper) << key << " row " << i;
                    }
                    if (i + 1 < rows.size()) {
                        EXPECT_GT(r.upper, r.lower) << key << " row " << i;
                    }
                }
            }
        }
    }
}

// Rows of a table as the bracket-arithmetic test reads them (any row with the
// common key and bracket columns).
template <class Row>
std::vector<ScheduleRow> bracket_rows(const Row* table) {
    return schedule_rows(table, [](const Row& r) {
        return ScheduleRow{r.start_date, r.end_date, r.status, r.pay_periods, r.lower, r.upper, r.base, r.rate};
    });
}

// Rows are ordered newest year first.
inline void expect_newest_first(const StateBracketRow* table, const std::string& name) {
    int64_t year = table[0].start_date.year;
    for (const StateBracketRow* row = table; row->start_date.month != 0; ++row) {
        EXPECT_LE(row->start_date.year, year) << name << ": rows are not newest first";
        year = row->start_date.year;
    }
}

}  // namespace txl5_test

#endif  // TXL5_TESTS_STATES_BRACKET_STATE_SUPPORT_H
