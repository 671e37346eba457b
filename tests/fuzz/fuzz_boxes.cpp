// Arbitrary text pasted into both boxes, kept as the boxes admit it (digits
// only, up to their length), then "weiter": never an error, always a size
// the instrument can take.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

#include "fakes.h"

using namespace zeltavor;
using namespace zeltavor::testing;

namespace {
void Paste(TextBox& box, const std::string& text) {
    const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits) box.Text = text.substr(0, box.MaxLength);  // anything else is refused whole
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FormFixture f;
    f.form.Load();
    f.form.MouseDown(2, 0, 100, 100);
    Paste(f.form.txtHeight, input.ConsumeRandomLengthString(16));
    Paste(f.form.Monis, input.ConsumeRandomLengthString(16));
    for (char typed : input.ConsumeRemainingBytesAsString()) {
        std::int16_t code = static_cast<unsigned char>(typed);
        f.form.txtHeight_KeyPress(code);
        if (code != 0 && code != 8 && f.form.txtHeight.Text.size() < f.form.txtHeight.MaxLength)
            f.form.txtHeight.Text += static_cast<char>(code);
    }
    f.form.cmd_weiter_Click();
    const double applied = TextToDouble(f.form.txtHeight.Text, f.platform.locale);
    if (applied < 800 || applied > 2500 || f.form.Width() != f.form.Height()) std::abort();
    f.form.DblClick();
    f.form.MouseDown(1, 0, 0, 0);
    f.form.MouseMove(1, 0, 1e4f, 1e4f);
    f.form.MouseUp();
    return 0;
}
