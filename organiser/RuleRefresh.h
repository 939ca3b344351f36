#pragma once

#include <functional>

// Runs the main window's enabling rules whenever what they read changes, but once for a bulk
// fill. A list filled line by line announces every line, and the rules read all five lists: run
// per line, a start over full tables took time that grew with the square of the lines.
class RuleRefresh {
public:
    explicit RuleRefresh(std::function<void()> rules);

    // Runs the rules now, or once when the outermost bulk fill ends.
    void request();

    // How often the rules ran.
    int runs() const { return m_runs; }

    // While one lives, requests wait; its end runs the rules once if any came.
    class BulkFill {
    public:
        explicit BulkFill(RuleRefresh& refresh);
        ~BulkFill();
        BulkFill(const BulkFill&) = delete;
        BulkFill& operator=(const BulkFill&) = delete;

    private:
        RuleRefresh& m_refresh;
    };

private:
    void run();

    std::function<void()> m_rules;
    int m_fills = 0;
    bool m_pending = false;
    int m_runs = 0;
};
