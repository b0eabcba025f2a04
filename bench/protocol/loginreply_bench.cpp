#include "protocol/loginreply.h"

#include <benchmark/benchmark.h>

namespace {

using namespace talvenor;

class IgnoredActions : public LoginReplyActions {
public:
    void closeLoginWindow() override { }
    void hideRestrictedButtons() override { }
    void showMessage(std::u16string_view) override { }
    void closeLink() override { }
};

// What the main window does per received Login reply: copy the text, take the type out, parse the rest.
void handleLoginReply(benchmark::State& state)
{
    const std::u16string received = u"35=LR\x01"
                                    u"58=OK\x01"
                                    u"9001=0\x01";
    IgnoredActions actions;
    for (auto _ : state) {
        handleReceivedMessage(received, actions);
    }
}
BENCHMARK(handleLoginReply);

} // namespace
