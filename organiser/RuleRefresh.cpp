#include "RuleRefresh.h"

#include <utility>

RuleRefresh::RuleRefresh(std::function<void()> rules)
    : m_rules(std::move(rules)) {
}

void RuleRefresh::request() {
    if (m_fills > 0)
        m_pending = true;
    else
        run();
}

void RuleRefresh::run() {
    m_pending = false;
    ++m_runs;
    m_rules();
}

RuleRefresh::BulkFill::BulkFill(RuleRefresh& refresh)
    : m_refresh(refresh) {
    ++m_refresh.m_fills;
}

RuleRefresh::BulkFill::~BulkFill() {
    // The rules run guarded: nothing is thrown out of here.
    if (--m_refresh.m_fills == 0 && m_refresh.m_pending)
        m_refresh.run();
}
