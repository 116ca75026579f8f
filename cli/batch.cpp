#include "cli/batch.h"

#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

#include "cli/input.h"
#include "cli/output.h"
#include "cli/paycheck.h"

namespace txl5cli {
namespace {

constexpr size_t kReadBlock = 1 << 20;
constexpr size_t kFlushAt = 1 << 20;
constexpr int64_t kLongInput = 100000;  // lines (or bytes / 64) before a progress bar is worth showing

bool ends_with(const std::string& s, const char* suffix) {
    const size_t n = std::strlen(suffix);
    return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

struct Summary {
    int64_t paychecks = 0;
    int64_t bad_lines = 0;
    int64_t failed = 0;
    int64_t by_bit[64] = {};
};

class Progress {
public:
    Progress(bool enabled, int64_t total_bytes) : enabled_(enabled), total_(total_bytes) {}
    void update(int64_t lines, int64_t bytes) {
        if (!enabled_ || (lines & 0xFFFF) != 0) return;
        char buf[160];
        if (total_ > 0) {
            const int width = 40;
            const double share = static_cast<double>(bytes) / static_cast<double>(total_);
            const int filled = static_cast<int>(share * width);
            std::string bar(static_cast<size_t>(filled < width ? filled : width), '#');
            bar.resize(width, ' ');
            std::snprintf(buf, sizeof buf, "\r[%s] %3d%%  %lld lines", bar.c_str(), static_cast<int>(share * 100),
                          static_cast<long long>(lines));
        } else {
            std::snprintf(buf, sizeof buf, "\r%lld lines", static_cast<long long>(lines));
        }
        std::fputs(buf, stderr);
        shown_ = true;
    }
    void finish() {
        if (shown_) std::fputs("\r\033[K", stderr);
    }

private:
    bool enabled_;
    int64_t total_;
    bool shown_ = false;
};

class Output {
public:
    explicit Output(std::FILE* file) : file_(file) { buffer_.reserve(kFlushAt + 4096); }
    std::string& buffer() { return buffer_; }
    void maybe_flush() {
        if (buffer_.size() >= kFlushAt) flush();
    }
    void flush() {
        if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
        buffer_.clear();
    }

private:
    std::FILE* file_;
    std::string buffer_;
};

}  // namespace

int run_batch(const BatchOptions& options) {
    std::FILE* in = stdin;
    if (options.input != "-") {
        in = std::fopen(options.input.c_str(), "rb");
        if (!in) {
            std::fprintf(stderr, "txl5 batch: cannot read '%s': %s\n", options.input.c_str(), std::strerror(errno));
            return 1;
        }
    }
    std::FILE* out = stdout;
    if (options.output != "-") {
        out = std::fopen(options.output.c_str(), "wb");
        if (!out) {
            std::fprintf(stderr, "txl5 batch: cannot write '%s': %s\n", options.output.c_str(), std::strerror(errno));
            if (in != stdin) std::fclose(in);
            return 1;
        }
    }
    int64_t total_bytes = 0;
    struct stat st {};
    if (fstat(fileno(in), &st) == 0 && S_ISREG(st.st_mode)) total_bytes = st.st_size;

    std::string format = options.format;
    if (format.empty()) {
        if (ends_with(options.input, ".csv")) format = "csv";
        if (ends_with(options.input, ".jsonl") || ends_with(options.input, ".ndjson") || ends_with(options.input, ".json")) {
            format = "jsonl";
        }
    }
    if (!format.empty() && format != "csv" && format != "jsonl") {
        std::fprintf(stderr, "txl5 batch: field 'format', value '%s': unknown format (csv or jsonl)\n", format.c_str());
        return 1;
    }

    const bool progress_on = options.progress && isatty(fileno(stderr)) &&
                             (total_bytes == 0 || total_bytes / 64 >= kLongInput);
    Progress progress(progress_on, total_bytes);
    Output output(out);
    Summary summary;
    const auto started = std::chrono::steady_clock::now();
    const std::clock_t cpu_started = std::clock();

    std::vector<char> block(kReadBlock);
    std::string carry;
    int64_t line_number = 0;
    int64_t bytes_done = 0;
    bool header_done = false;
    std::vector<const Field*> columns;
    std::vector<std::string_view> cells;
    std::string scratch;
    std::string error;
    Paycheck paycheck;
    bool fatal = false;

    auto handle_line = [&](std::string_view line) {
        ++line_number;
        bytes_done += static_cast<int64_t>(line.size()) + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos) return;  // blank line
        if (format.empty()) format = line[first] == '{' ? "jsonl" : "csv";
        if (format == "csv" && !header_done) {
            if (!csv_columns(line, &columns, &error)) {
                std::fprintf(stderr, "txl5 batch: %s\n", error.c_str());
                fatal = true;
                return;
            }
            header_done = true;
            output.buffer() += kCsvHeader;
            output.buffer() += '\n';
            return;
        }
        paycheck.clear();
        bool ok;
        if (format == "csv") {
            ok = split_csv(line, &cells, &scratch);
            if (!ok) {
                error = line_message(line_number, "unreadable CSV line: a quote is not closed");
            } else {
                ok = paycheck_from_csv(columns, cells, line_number, &paycheck, &error);
            }
        } else {
            ok = paycheck_from_json(line, line_number, &paycheck, &error);
        }
        if (ok) {
            FieldError fe;
            if (!finish_paycheck(&paycheck, &fe)) {
                ok = false;
                error = line_message(line_number, fe.message());
            }
        }
        if (!ok) {
            ++summary.bad_lines;
            progress.finish();
            std::fprintf(stderr, "txl5 batch: %s\n", error.c_str());
            if (format == "csv") {
                append_error_csv(output.buffer(), line_number, paycheck.id, error);
            } else {
                append_error_json(output.buffer(), line_number, error);
                output.buffer() += '\n';
            }
        } else {
            const int64_t result = compute(&paycheck);
            ++summary.paychecks;
            if (result != 0) {
                ++summary.failed;
                for (int bit = 0; bit < 64; ++bit) {
                    if (result & (int64_t{1} << bit)) ++summary.by_bit[bit];
                }
            }
            if (format == "csv") {
                append_paycheck_csv(output.buffer(), paycheck, result, line_number);
            } else {
                append_paycheck_json(output.buffer(), paycheck, result, line_number);
                output.buffer() += '\n';
            }
        }
        output.maybe_flush();
        progress.update(line_number, bytes_done);
    };

    while (!fatal) {
        const size_t got = std::fread(block.data(), 1, block.size(), in);
        if (got == 0) break;
        std::string_view data(block.data(), got);
        if (!carry.empty()) {
            const size_t nl = data.find('\n');
            if (nl == std::string_view::npos) {
                carry.append(data);
                continue;
            }
            carry.append(data.substr(0, nl));
            handle_line(carry);
            carry.clear();
            data.remove_prefix(nl + 1);
        }
        while (!fatal) {
            const size_t nl = data.find('\n');
            if (nl == std::string_view::npos) {
                carry.assign(data);
                break;
            }
            handle_line(data.substr(0, nl));
            data.remove_prefix(nl + 1);
        }
    }
    if (!fatal && !carry.empty()) handle_line(carry);
    const bool read_failed = std::ferror(in) != 0;
    progress.finish();
    output.flush();
    if (in != stdin) std::fclose(in);
    if (out != stdout) {
        if (std::fclose(out) != 0) fatal = true;
    } else {
        std::fflush(out);
    }
    if (read_failed) {
        std::fprintf(stderr, "txl5 batch: reading '%s' failed\n", options.input.c_str());
        fatal = true;
    }
    if (fatal) return 1;
    if (format == "csv" && !header_done) {
        std::fprintf(stderr, "txl5 batch: line 1: unreadable CSV: no header line\n");
        return 1;
    }

    if (!options.quiet) {
        std::fprintf(stderr, "txl5 batch: %lld paychecks computed, %lld bad lines, %lld with failure bits\n",
                     static_cast<long long>(summary.paychecks), static_cast<long long>(summary.bad_lines),
                     static_cast<long long>(summary.failed));
        for (int bit = 0; bit < 64; ++bit) {
            if (summary.by_bit[bit] == 0) continue;
            const int64_t b = int64_t{1} << bit;
            std::fprintf(stderr, "  bit %lld (%s): %lld\n", static_cast<long long>(b), result_bit_text(b),
                         static_cast<long long>(summary.by_bit[bit]));
        }
        if (options.timing) {
            // Elapsed time, and the processor time of this process (the
            // figure that does not depend on what else the machine runs).
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            const double cpu = static_cast<double>(std::clock() - cpu_started) / CLOCKS_PER_SEC;
            const double lines = static_cast<double>(summary.paychecks + summary.bad_lines);
            std::fprintf(stderr, "  %.3f s elapsed: %.0f paychecks a second\n", seconds, seconds > 0 ? lines / seconds : 0.0);
            std::fprintf(stderr, "  %.3f s of processor time: %.0f paychecks a second\n", cpu, cpu > 0 ? lines / cpu : 0.0);
        }
    }
    if (summary.bad_lines > 0) return 1;
    return summary.failed > 0 ? 2 : 0;
}

}  // namespace txl5cli
