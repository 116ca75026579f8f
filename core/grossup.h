// The net-to-gross search shared by the driver and the local entry points: a
// bisection over trial gross amounts until the net pay of a trial is within a
// tolerance of the requested net, or the passes run out.
#ifndef TXL5_CORE_GROSSUP_H
#define TXL5_CORE_GROSSUP_H

#include <cmath>
#include <cstdint>

namespace txl5 {

// fed_status of a search whose trials ran out.
constexpr int64_t kFedStatusSearchExhausted = 100;

// The constants of one caller's search.
struct GrossUpSearch {
    double first_trial;  // first trial = first_trial x the requested amount
    double tolerance;    // a trial whose net is within this of the target ends the search
    int passes;          // most trials
};

// The driver and the exact local searches: first trial 1.7 times the net.
constexpr GrossUpSearch kGrossUpSearch{1.7, 0.001, 50};
// The approximate local search: first trial 1.5 times the net.
constexpr GrossUpSearch kApproximateGrossUpSearch{1.5, 0.005, 50};

// A search's outcome: the last trial's bisection state, how many trials ran
// and whether one ended within the tolerance.
struct GrossUpOutcome {
    double guess = 0.0;  // the next trial amount (the last one when converged)
    double step = 0.0;
    int passes = 0;
    bool converged = false;
    double last_difference = 0.0;  // net less target of the last trial
};

// Bisection from `first_guess`, halving steps: `trial(guess)` computes a whole
// pass at the trial amount and returns its net pay less the target. A net
// below the target raises the next trial by the step, one above lowers it;
// either way the step is halved. At most `passes` trials.
template <class Trial>
GrossUpOutcome search_gross(double first_guess, double tolerance, int passes, Trial trial) {
    GrossUpOutcome out;
    out.guess = first_guess;
    out.step = first_guess / 2.0;
    while (!out.converged && out.passes < passes) {
        const double difference = trial(out.guess);
        out.last_difference = difference;
        ++out.passes;
        if (difference < -tolerance) {
            out.guess += out.step;
        } else if (difference > tolerance) {
            out.guess -= out.step;
        } else {
            out.converged = true;
            break;
        }
        out.step /= 2.0;
    }
    return out;
}

// A search that ran out of trials still answers when its last trial's net is
// within a cent of the target (a target between two cent amounts can never be
// met closer); farther off, the caller must report it.
constexpr double kGrossUpCent = 0.01;
inline bool gross_up_missed(const GrossUpOutcome& outcome) {
    return !outcome.converged && !(std::fabs(outcome.last_difference) <= kGrossUpCent);
}

}  // namespace txl5

#endif  // TXL5_CORE_GROSSUP_H
