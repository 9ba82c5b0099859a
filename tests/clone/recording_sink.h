#pragma once
// A transfer sink that records everything the engine shows, with the time,
// and abandons the transfer on request from a given moment.

#include "clone/transfer_sink.h"
#include "support/fake_clock.h"

#include <limits>
#include <string>
#include <vector>

namespace ft817::test {

class RecordingSink : public TransferSink {
public:
    explicit RecordingSink(FakeClock& clock) : m_clock(clock) {}

    struct Status {
        double time;
        std::string text;
    };
    std::vector<Status> statuses;
    std::vector<std::pair<int, int>> ranges;
    std::vector<int> maximums;
    std::vector<int> values;
    std::vector<std::pair<int, int>> blocksDone;
    int abandonQuestions = 0;
    // abandoned() answers true from this time on.
    double abandonAt = std::numeric_limits<double>::infinity();

    void status(const std::string& text) override { statuses.push_back({m_clock.now(), text}); }
    void progressRange(int minimum, int maximum) override { ranges.emplace_back(minimum, maximum); }
    void progressMaximum(int maximum) override { maximums.push_back(maximum); }
    void progressValue(int value) override { values.push_back(value); }
    void blockDone(int blocks, int bytes) override { blocksDone.emplace_back(blocks, bytes); }
    bool abandoned() override
    {
        ++abandonQuestions;
        return m_clock.now() >= abandonAt;
    }

    std::vector<std::string> statusTexts() const
    {
        std::vector<std::string> texts;
        for (const Status& s : statuses)
            texts.push_back(s.text);
        return texts;
    }

private:
    FakeClock& m_clock;
};

// For transfers against the simulated radio in real time: keeps the status
// texts and the last progress value; never abandons.
class QuietSink : public TransferSink {
public:
    void status(const std::string& text) override { statuses.push_back(text); }
    void progressRange(int, int) override {}
    void progressMaximum(int) override {}
    void progressValue(int value) override { lastValue = value; }
    bool abandoned() override { return false; }
    std::vector<std::string> statuses;
    int lastValue = 0;
};

} // namespace ft817::test
