// Fetching a text over the HTTP port: blocks of 256 bytes, the yields and
// the progress line between them, and how failures end a transfer.

#include "update/http_transfer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "ui/form.h"
#include "ui/text_box.h"

namespace update {
namespace {

constexpr const char* kUrl = "http://defs.example:8080/asp/update.asp?v=2";

class HttpTransfer : public ::testing::Test {
protected:
    HttpTransfer() {
        // What the status box says each time the program yields.
        machine.eventLoop.onYield = [this] {
            shownAtYields.push_back(status.Text());
        };
    }

    static std::string Line(std::size_t bytes) {
        return "Downloaded " + std::to_string(bytes) + " bytes.";
    }

    std::string WithProgress(std::string_view url = kUrl) {
        return DownloadTextWithProgress(machine.ports, url, status);
    }

    fakes::FakePlatform machine;
    ui::FormContext context{machine.eventLoop};
    ui::Form form{context, "frmDownload"};
    ui::TextBox& status = form.AddTextBox("txtStatus", {});
    std::vector<std::string> shownAtYields;
};

TEST_F(HttpTransfer, EmptyBodyGivesEmptyTextWithoutProgressOrYield) {
    machine.http.Serve(kUrl, "");
    EXPECT_EQ(WithProgress(), "");
    EXPECT_EQ(machine.http.readSizes, std::vector<std::size_t>{256});
    EXPECT_EQ(machine.eventLoop.yields, 0);
    EXPECT_EQ(status.Text(), "");
}

TEST_F(HttpTransfer, ShortBodyShowsOneProgressLineAfterTheFinalEmptyRead) {
    const std::string body(100, 'a');
    machine.http.Serve(kUrl, body);
    EXPECT_EQ(WithProgress(), body);
    EXPECT_EQ(machine.http.requested, std::vector<std::string>{kUrl});
    EXPECT_EQ(machine.http.readSizes, (std::vector<std::size_t>{256, 256}));
    EXPECT_EQ(shownAtYields, std::vector<std::string>{Line(100)});
}

TEST_F(HttpTransfer, BodyIsReadInBlocksOf256AndTheLineIsSetBeforeEachYield) {
    std::string body;
    for (int i = 0; i < 300; ++i) {
        body.push_back(static_cast<char>('a' + i % 26));
    }
    machine.http.Serve(kUrl, body);
    EXPECT_EQ(WithProgress(), body);
    EXPECT_EQ(machine.http.readSizes, (std::vector<std::size_t>{256, 256, 256}));
    EXPECT_EQ(shownAtYields, (std::vector<std::string>{Line(300), Line(300)}));

    // Without a text box the reads and yields are the same.
    machine.http.readSizes.clear();
    machine.eventLoop.yields = 0;
    status.SetText("untouched");
    EXPECT_EQ(DownloadText(machine.ports, kUrl), body);
    EXPECT_EQ(machine.http.readSizes.size(), 3u);
    EXPECT_EQ(machine.eventLoop.yields, 2);
    EXPECT_EQ(status.Text(), "untouched");
}

TEST_F(HttpTransfer, ShortBlocksDoNotEndTheTransferAndTheCountGrowsWithEach) {
    machine.http.largestBlock = 100;
    const std::string body(450, 'x');
    machine.http.Serve(kUrl, body);
    EXPECT_EQ(WithProgress(), body);
    EXPECT_EQ(shownAtYields,
              (std::vector<std::string>{Line(200), Line(300), Line(400), Line(450), Line(450)}));
}

TEST_F(HttpTransfer, BytesArriveUnconverted) {
    const std::string body("Caf\xE9\r\nline\0two\xFF", 15);
    machine.http.Serve(kUrl, body);
    EXPECT_EQ(DownloadText(machine.ports, kUrl), body);
}

TEST_F(HttpTransfer, NoConnectionGivesEmptyTextWithoutProgressOrYield) {
    EXPECT_EQ(WithProgress("http://nowhere.example/"), "");

    int stalls = 0;
    machine.http.onStall = [&](std::string_view) {
        ++stalls;
    };
    machine.http.StallBeforeAnswer(kUrl);
    EXPECT_EQ(WithProgress(), "");
    EXPECT_EQ(stalls, 1);

    EXPECT_EQ(machine.http.requested, (std::vector<std::string>{"http://nowhere.example/", kUrl}));
    EXPECT_TRUE(machine.http.readSizes.empty());
    EXPECT_EQ(machine.eventLoop.yields, 0);
    EXPECT_EQ(status.Text(), "");
}

TEST_F(HttpTransfer, ReadErrorFailsTheTransfer) {
    const std::string body(700, 'r');
    machine.http.FailAfter(kUrl, body, 512);
    EXPECT_EQ(WithProgress(), "") << "part of a text never passes for the text";
    EXPECT_EQ(machine.http.readSizes.size(), 3u) << "nothing is read after the error";
    // The failed read counts as a read: the line and a yield follow it.
    EXPECT_EQ(shownAtYields, (std::vector<std::string>{Line(512), Line(512)}));
    EXPECT_EQ(TransferText(machine.ports, kUrl, nullptr).end, TransferEnd::CutShort);

    // An error on the first read: no yield, as for an empty body.
    machine.eventLoop.yields = 0;
    machine.http.FailAfter(kUrl, body, 0);
    EXPECT_EQ(DownloadText(machine.ports, kUrl), "");
    EXPECT_EQ(machine.eventLoop.yields, 0);
}

TEST_F(HttpTransfer, ServerFallingSilentFailsTheTransferLikeAReadError) {
    const std::string body(400, 's');
    machine.http.StallAfter(kUrl, body, 300);
    std::vector<std::string> stalled;
    machine.http.onStall = [&](std::string_view url) {
        stalled.emplace_back(url);
    };
    EXPECT_EQ(WithProgress(), "");
    EXPECT_EQ(stalled, std::vector<std::string>{kUrl});
    EXPECT_EQ(shownAtYields, (std::vector<std::string>{Line(300), Line(300)}));
}

TEST_F(HttpTransfer, BodyEndingBeforeItsAnnouncedLengthFailsTheTransfer) {
    const std::string body(700, 'c');
    machine.http.CutShort(kUrl, body, 600);
    const Transfer cut = TransferText(machine.ports, kUrl, &status);
    EXPECT_EQ(cut.end, TransferEnd::CutShort);
    EXPECT_EQ(cut.text, "");
    EXPECT_EQ(status.Text(), Line(600));
    EXPECT_EQ(DownloadText(machine.ports, kUrl), "");

    // All of the announced length, and an answer that announces none.
    machine.http.CutShort(kUrl, body, body.size());
    EXPECT_EQ(DownloadText(machine.ports, kUrl), body);
    machine.http.Serve(kUrl, body);
    const Transfer whole = TransferText(machine.ports, kUrl, nullptr);
    EXPECT_EQ(whole.end, TransferEnd::Whole);
    EXPECT_EQ(whole.text, body);
    machine.http.Refuse(kUrl);
    EXPECT_EQ(TransferText(machine.ports, kUrl, nullptr).end, TransferEnd::NoAnswer);
}

}  // namespace
}  // namespace update
