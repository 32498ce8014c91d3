#include "tests/support/table_providers.h"

#include "computer/expert_table.h"

namespace quintix::testing {

namespace {

void Call(const std::function<void()>& listener) {
    listener();
}

}  // namespace

const TOptimalTable& SharedTable() {
    static TExpertTable table;
    return table.BuildNow();
}

const TOptimalTable& EndTable() {
    static const TOptimalTable table = [] {
        TBuildOptions options;
        options.MostOpenLines = 2;
        return *BuildOptimalTable(options);
    }();
    return table;
}

void TTableOnRequest::Request() {
    if (Table == nullptr) {
        Table = &SharedTable();
        Ready.Notify(Call);
    }
}

void TTableByHand::Advance(double share) {
    Share = share;
    Advanced.Notify(Call);
}

void TTableByHand::Provide(const TOptimalTable& table) {
    Table = &table;
    Advance(1.0);
    Ready.Notify(Call);
}

}  // namespace quintix::testing
