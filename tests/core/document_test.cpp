#include "core/document.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core_fixture.h"

namespace lm {
namespace {

class DocumentTest : public CoreStateTest {
protected:
    // A step that sets one byte of the image.
    bool Poke(TDocument& doc, int index, std::uint8_t value) {
        return !!doc.Apply("Poke " + std::to_string(index),
                           [=](TALL& s) { s.Image[static_cast<std::size_t>(index)] = value; });
    }
    std::vector<std::string> heard;
    std::string Heard(const DocumentEvent& e) {
        static const char* kinds[] = {"changed", "undone", "redone", "replaced", "saved", "moved"};
        return std::string(kinds[static_cast<int>(e.kind)]) + (e.name.empty() ? "" : " " + e.name);
    }
};

// Steps with names, undo and redo, Modified following the saved image, and the listeners hearing each event.
TEST_F(DocumentTest, StepsUndoRedoAndModified) {
    TDocument doc(state);
    const int id = doc.AddListener([&](const DocumentEvent& e) { heard.push_back(Heard(e)); });
    EXPECT_EQ(doc.UndoText(), "Undo");
    EXPECT_FALSE(doc.Undo());

    EXPECT_FALSE(Poke(doc, 20, state.Image[20]));  // no change, no step
    EXPECT_TRUE(Poke(doc, 20, 0x11));
    EXPECT_TRUE(Poke(doc, 21, 0x22));
    EXPECT_TRUE(state.Modified);
    EXPECT_EQ(doc.UndoText(), "Undo Poke 21");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.RedoText(), "Redo Poke 21");
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(state.Modified);  // back at the image made new
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(state.Image[20], 0x11);
    EXPECT_TRUE(state.Modified);
    doc.MarkSaved();
    EXPECT_FALSE(state.Modified);
    EXPECT_TRUE(Poke(doc, 22, 0x33));  // drops the step that could be redone
    EXPECT_FALSE(doc.CanRedo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_FALSE(state.Modified);  // back at the saved image

    // Undo puts back only the bytes of its step: bytes changed outside the history stay.
    state.Image[30] = 0x44;
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(state.Image[20], 0xFF);
    EXPECT_EQ(state.Image[30], 0x44);

    // A change that throws leaves the image as it was and records nothing.
    const ImageBytes before = state.Image;
    EXPECT_THROW(doc.Apply("Bad",
                           [](TALL& s) {
                               s.Image[40] = 1;
                               throw std::runtime_error("bad");
                           }),
                 std::runtime_error);
    EXPECT_EQ(state.Image, before);
    EXPECT_EQ(doc.RedoName(), "Poke 20");

    doc.RemoveListener(id);
    doc.MarkReplaced();
    EXPECT_EQ(heard, (std::vector<std::string>{"changed Poke 20", "changed Poke 21", "undone Poke 21",
                                               "undone Poke 20", "redone Poke 20", "saved", "changed Poke 22",
                                               "undone Poke 22", "undone Poke 20"}));
}

// Replacing the image empties the history; an image read from a radio is in no file, so it stays modified.
TEST_F(DocumentTest, ReplacedImages) {
    TDocument doc(state);
    Poke(doc, 20, 0x11);
    state.Modified = true;  // a completed read
    doc.MarkReplaced();
    EXPECT_FALSE(doc.CanUndo());
    Poke(doc, 21, 0x22);
    doc.Undo();
    EXPECT_TRUE(state.Modified);
    state.Modified = false;  // an Open
    doc.MarkReplaced();
    Poke(doc, 21, 0x33);
    doc.Undo();
    EXPECT_FALSE(state.Modified);
}

// Each step tells what it changed: the channels whose slot bytes differ and whether any other byte does; an
// undo tells the same as its step.
TEST_F(DocumentTest, StepsTellWhatChanged) {
    struct Row {
        std::vector<int> indexes;  // image bytes the step changes
        std::vector<int> channels;
        bool settings;
    };
    const Row rows[] = {
        {{17}, {1}, false},           // the first byte of channel 1
        {{32}, {1}, false},           // its last byte
        {{33, 272}, {2, 16}, false},  // the first byte of channel 2, the last of channel 16
        {{16}, {}, true},             // just before the slots
        {{273, 20}, {1}, true},       // just after them, and a channel
    };
    for (const Row& row : rows) {
        TDocument doc(state);
        std::vector<DocumentEvent> events;
        doc.AddListener([&](const DocumentEvent& e) { events.push_back(e); });
        const ImageChange change = doc.Apply("Step", [&](TALL& s) {
            for (int i : row.indexes) s.Image[static_cast<std::size_t>(i)] ^= 0x5A;
        });
        EXPECT_EQ(change.channels, row.channels) << row.indexes.front();
        EXPECT_EQ(change.settings, row.settings) << row.indexes.front();
        doc.Undo();
        ASSERT_EQ(events.size(), 2u);
        EXPECT_EQ(events[1].change.channels, row.channels);
        EXPECT_EQ(events[1].change.settings, row.settings);
    }
}

// Moving the cursor is heard once, and only when the channel changes; it is no step.
TEST_F(DocumentTest, CursorMoves) {
    TDocument doc(state);
    doc.AddListener(
        [&](const DocumentEvent& e) { heard.push_back(Heard(e) + " " + std::to_string(e.channel)); });
    doc.SetCurrentChannel(1);
    doc.SetCurrentChannel(5);
    doc.SetCurrentChannel(5);
    EXPECT_EQ(doc.CurrentChannel(), 5);
    EXPECT_EQ(heard, std::vector<std::string>{"moved 5"});
    EXPECT_FALSE(doc.CanUndo());
}

}  // namespace
}  // namespace lm
