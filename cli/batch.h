// txl5 batch: paychecks from CSV or JSON Lines, one result line each.
#ifndef TXL5_CLI_BATCH_H
#define TXL5_CLI_BATCH_H

#include <string>

namespace txl5cli {

struct BatchOptions {
    std::string input = "-";   // a file, or - for standard input
    std::string output = "-";  // a file, or - for standard output
    std::string format;        // csv, jsonl, or empty: by file name, else by the first character
    bool progress = true;      // a progress bar on a terminal for long inputs
    bool timing = false;       // the elapsed time and the rate in the summary
    bool quiet = false;        // no summary
};

// Runs the batch. Exit status: 0 every paycheck computed with result 0; 1 an
// unreadable input or bad lines (each reported, the rest computed); 2 the
// library reported failure bits for some paycheck.
int run_batch(const BatchOptions& options);

}  // namespace txl5cli

#endif  // TXL5_CLI_BATCH_H
