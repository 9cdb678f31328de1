// Calls test implementations of the library interfaces through raw vtable slots, the way a
// foreign caller does, and checks that each slot reaches the intended method with its
// arguments intact (on i686 __stdcall with `this` on the stack; on x86_64 the one calling
// convention with `this` as the first argument).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "media/contracts/AudioEncoderPlugin.h"
#include "media/contracts/CodecLibrary.h"

namespace {

// What the last call recorded: the slot that ran and the arguments it received.
struct CallRecord {
  int slot = -1;
  std::vector<double> numbers;
  std::string text;
  const void* pointer = nullptr;

  std::int32_t Hit(int n) {
    slot = n;
    return 100 + n;
  }
};

template <class R, class... A>
R CallSlot(void* object, int slot, A... args) {
  using Entry = R(MC_CALL*)(void*, A...);
  void** vtable = *static_cast<void***>(object);
  return reinterpret_cast<Entry>(vtable[slot])(object, args...);
}

class RecordingDecoderObject final : public DecoderObject {
 public:
  CallRecord record;
  std::int32_t MC_CALL Open(const DecoderObjectOpenBlock* block) override {
    record.pointer = block;
    return record.Hit(0);
  }
  std::int32_t MC_CALL Prepare() override { return record.Hit(1); }
  std::int32_t MC_CALL Close() override { return record.Hit(2); }
  std::int32_t MC_CALL SetRange(double start, double end) override {
    record.numbers = {start, end};
    return record.Hit(3);
  }
  std::int32_t MC_CALL SetTime(double time) override {
    record.numbers = {time};
    return record.Hit(4);
  }
  std::int32_t MC_CALL GetMediaInfo(DecoderObjectInfo* info) override {
    record.pointer = info;
    return record.Hit(5);
  }
  std::int32_t MC_CALL SelectVideoStream(std::int32_t index) override {
    record.numbers = {double(index)};
    return record.Hit(6);
  }
  std::int32_t MC_CALL SelectAudioStream(std::int32_t index) override {
    record.numbers = {double(index)};
    return record.Hit(7);
  }
  std::int32_t MC_CALL Run() override { return record.Hit(8); }
  std::int32_t MC_CALL Pause() override { return record.Hit(9); }
  std::int32_t MC_CALL Stop() override { return record.Hit(10); }
  std::int32_t MC_CALL StartPreview(HWND window) override {
    record.pointer = window;
    return record.Hit(11);
  }
  std::int32_t MC_CALL Resume() override { return record.Hit(12); }
  std::int32_t MC_CALL GetPosition(double* position) override {
    *position = 12.5;
    return record.Hit(13);
  }
  std::int32_t MC_CALL Seek(double time) override {
    record.numbers = {time};
    return record.Hit(14);
  }
  std::int32_t MC_CALL GetState() override { return record.Hit(15); }
};

TEST(VtableSlots, DecoderObjectSlotsWithoutArguments) {
  RecordingDecoderObject object;
  for (int slot : {1, 2, 8, 9, 10, 12, 15}) {
    EXPECT_EQ(CallSlot<std::int32_t>(&object, slot), 100 + slot);
    EXPECT_EQ(object.record.slot, slot);
  }
}

TEST(VtableSlots, DecoderObjectSlotsWithArguments) {
  RecordingDecoderObject object;
  CallRecord& r = object.record;
  DecoderObjectOpenBlock block{};
  EXPECT_EQ(CallSlot<std::int32_t>(&object, 0, &block), 100);
  EXPECT_EQ(r.pointer, &block);
  EXPECT_EQ(CallSlot<std::int32_t>(&object, 3, 1.5, -1.0), 103);
  EXPECT_EQ(r.numbers, (std::vector<double>{1.5, -1.0}));
  EXPECT_EQ(CallSlot<std::int32_t>(&object, 4, 3.25), 104);
  EXPECT_EQ(r.numbers, std::vector<double>{3.25});
  DecoderObjectInfo info{};
  EXPECT_EQ(CallSlot<std::int32_t>(&object, 5, &info), 105);
  EXPECT_EQ(r.pointer, &info);
  EXPECT_EQ(CallSlot<std::int32_t>(&object, 6, std::int32_t{7}), 106);
  EXPECT_EQ(r.numbers, std::vector<double>{7});
  EXPECT_EQ(CallSlot<std::int32_t>(&object, 7, std::int32_t{9}), 107);
  EXPECT_EQ(r.numbers, std::vector<double>{9});
  HWND window = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(CallSlot<std::int32_t>(&object, 11, window), 111);
  EXPECT_EQ(r.pointer, window);
  double position = 0;
  EXPECT_EQ(CallSlot<std::int32_t>(&object, 13, &position), 113);
  EXPECT_EQ(position, 12.5);
  EXPECT_EQ(CallSlot<std::int32_t>(&object, 14, 4.5), 114);
  EXPECT_EQ(r.numbers, std::vector<double>{4.5});
}

class RecordingEncoderContext final : public EncoderContext {
 public:
  CallRecord record;
  std::int32_t MC_CALL SetVideoCodec(const char* name) override { return Named(0, name); }
  std::int32_t MC_CALL SetAudioCodec(const char* name) override { return Named(1, name); }
  std::int32_t MC_CALL SetFormat(const char* name) override { return Named(2, name); }
  std::int32_t MC_CALL SetAudioParams(std::int32_t a, std::int32_t b, std::int32_t c,
                                      std::int32_t d, std::int32_t e) override {
    record.numbers = {double(a), double(b), double(c), double(d), double(e)};
    return record.Hit(3);
  }
  std::int32_t MC_CALL SetVideoParams(std::int32_t ow, std::int32_t oh, std::int32_t rate,
                                      double fps, std::int32_t sw, std::int32_t sh,
                                      std::int32_t fmt, std::int32_t l, std::int32_t r,
                                      std::int32_t t, std::int32_t b, std::int32_t s1,
                                      std::int32_t s2, std::int32_t s3,
                                      std::int32_t s4) override {
    record.numbers = {double(ow), double(oh), double(rate), fps, double(sw),
                      double(sh), double(fmt), double(l), double(r), double(t),
                      double(b), double(s1), double(s2), double(s3), double(s4)};
    return record.Hit(4);
  }
  std::int32_t MC_CALL Reserved5() override { return record.Hit(5); }
  std::int32_t MC_CALL Reserved6() override { return record.Hit(6); }
  std::int32_t MC_CALL Reserved7() override { return record.Hit(7); }
  std::int32_t MC_CALL Reserved8() override { return record.Hit(8); }
  std::int32_t MC_CALL Reserved9() override { return record.Hit(9); }
  std::int32_t MC_CALL Reserved10() override { return record.Hit(10); }
  std::int32_t MC_CALL Open() override { return record.Hit(11); }
  std::int32_t MC_CALL Close() override { return record.Hit(12); }
  std::int32_t MC_CALL EncodeVideo(const void* pixels, double start) override {
    record.pointer = pixels;
    record.numbers = {start};
    return record.Hit(13);
  }
  std::int32_t MC_CALL EncodeAudio(const void* samples, std::int32_t bytes,
                                   double start) override {
    record.pointer = samples;
    record.numbers = {double(bytes), start};
    return record.Hit(14);
  }
  std::int32_t MC_CALL SetOption(const char* name, const char* value) override {
    record.text = std::string(name) + "=" + value;
    return record.Hit(15);
  }
  std::int64_t MC_CALL GetOutputSize() override {
    record.Hit(16);
    return 0x123456789LL;
  }

 private:
  std::int32_t Named(int slot, const char* name) {
    record.text = name;
    return record.Hit(slot);
  }
};

TEST(VtableSlots, EncoderContextSlots) {
  RecordingEncoderContext context;
  CallRecord& r = context.record;
  const struct {
    int slot;
    const char* name;
  } named[] = {{0, "mpeg4"}, {1, "mp3"}, {2, "avi"}};
  for (const auto& n : named) {
    EXPECT_EQ(CallSlot<std::int32_t>(&context, n.slot, n.name), 100 + n.slot);
    EXPECT_EQ(r.text, n.name);
  }
  EXPECT_EQ(CallSlot<std::int32_t>(&context, 3, 44100, 2, 128000, 48000, 6), 103);
  EXPECT_EQ(r.numbers, (std::vector<double>{44100, 2, 128000, 48000, 6}));
  EXPECT_EQ(CallSlot<std::int32_t>(&context, 4, 640, 480, 800000, 29.97, 720, 576, 5, 8, 9,
                                   10, 11, 12, 13, 14, 15),
            104);
  EXPECT_EQ(r.numbers, (std::vector<double>{640, 480, 800000, 29.97, 720, 576, 5, 8, 9, 10,
                                            11, 12, 13, 14, 15}));
  for (int slot = 5; slot <= 12; ++slot) {
    EXPECT_EQ(CallSlot<std::int32_t>(&context, slot), 100 + slot);
    EXPECT_EQ(r.slot, slot);
  }
  const char pixels[4] = {};
  EXPECT_EQ(CallSlot<std::int32_t>(&context, 13, static_cast<const void*>(pixels), 2.5), 113);
  EXPECT_EQ(r.pointer, pixels);
  EXPECT_EQ(r.numbers, std::vector<double>{2.5});
  EXPECT_EQ(CallSlot<std::int32_t>(&context, 14, static_cast<const void*>(pixels), 4096, 3.5),
            114);
  EXPECT_EQ(r.numbers, (std::vector<double>{4096, 3.5}));
  EXPECT_EQ(CallSlot<std::int32_t>(&context, 15, "str_title", "Clip"), 115);
  EXPECT_EQ(r.text, "str_title=Clip");
  EXPECT_EQ(CallSlot<std::int64_t>(&context, 16), 0x123456789LL);
  EXPECT_EQ(r.slot, 16);
}

class RecordingFrameConverter final : public FrameConverter {
 public:
  CallRecord record;
  char output[4] = {};
  std::int32_t MC_CALL Setup(std::int32_t ow, std::int32_t oh, std::int32_t sw,
                             std::int32_t sh, std::int32_t fmt, Bool8 fix, std::int32_t l,
                             std::int32_t r, std::int32_t t, std::int32_t b, std::int32_t s1,
                             std::int32_t s2, std::int32_t s3, std::int32_t s4) override {
    record.numbers = {double(ow), double(oh), double(sw), double(sh), double(fmt), double(fix),
                      double(l),  double(r),  double(t),  double(b),  double(s1),  double(s2),
                      double(s3), double(s4)};
    return record.Hit(0);
  }
  std::int32_t MC_CALL Convert(const void* pixels) override {
    record.pointer = pixels;
    return record.Hit(1);
  }
  const void* MC_CALL GetOutput() override {
    record.Hit(2);
    return output;
  }
};

TEST(VtableSlots, FrameConverterSlots) {
  RecordingFrameConverter converter;
  CallRecord& r = converter.record;
  EXPECT_EQ(CallSlot<std::int32_t>(&converter, 0, 320, 240, 641, 481, 5, Bool8{1}, 1, 2, 3, 4,
                                   5, 6, 7, 8),
            100);
  EXPECT_EQ(r.numbers,
            (std::vector<double>{320, 240, 641, 481, 5, 1, 1, 2, 3, 4, 5, 6, 7, 8}));
  const char pixels[4] = {};
  EXPECT_EQ(CallSlot<std::int32_t>(&converter, 1, static_cast<const void*>(pixels)), 101);
  EXPECT_EQ(r.pointer, pixels);
  EXPECT_EQ(CallSlot<const void*>(&converter, 2), converter.output);
  EXPECT_EQ(r.slot, 2);
}

class RecordingColourConverter final : public ColourConverter {
 public:
  CallRecord record;
  Bool8 MC_CALL Open(std::int32_t w, std::int32_t h, std::int32_t from,
                     std::int32_t to) override {
    record.numbers = {double(w), double(h), double(from), double(to)};
    return Bool8(record.Hit(0));
  }
  std::int32_t MC_CALL GetOutputSize() override { return record.Hit(1); }
  Bool8 MC_CALL Convert(const void* source, void* destination) override {
    record.pointer = source;
    record.text = destination == source ? "same" : "other";
    return Bool8(record.Hit(2));
  }
};

TEST(VtableSlots, ColourConverterSlots) {
  RecordingColourConverter converter;
  CallRecord& r = converter.record;
  EXPECT_EQ(CallSlot<Bool8>(&converter, 0, 176, 144, 5, 3), 100);
  EXPECT_EQ(r.numbers, (std::vector<double>{176, 144, 5, 3}));
  EXPECT_EQ(CallSlot<std::int32_t>(&converter, 1), 101);
  char source[4] = {}, destination[4] = {};
  EXPECT_EQ(CallSlot<Bool8>(&converter, 2, static_cast<const void*>(source),
                            static_cast<void*>(destination)),
            102);
  EXPECT_EQ(r.pointer, source);
  EXPECT_EQ(r.text, "other");
}

class RecordingTag final : public MyID3Tag {
 public:
  std::vector<int> calls;
  std::string texts[10];
  std::int32_t track = 0;
  bool destroyed = false;

  const char* MC_CALL GetTitle() override { return Get(0); }
  void MC_CALL SetTitle(const char* t) override { Set(0, t); }
  const char* MC_CALL GetArtist() override { return Get(1); }
  void MC_CALL SetArtist(const char* t) override { Set(1, t); }
  const char* MC_CALL GetAlbum() override { return Get(2); }
  void MC_CALL SetAlbum(const char* t) override { Set(2, t); }
  const char* MC_CALL GetYear() override { return Get(3); }
  void MC_CALL SetYear(const char* t) override { Set(3, t); }
  const char* MC_CALL GetComment() override { return Get(4); }
  void MC_CALL SetComment(const char* t) override { Set(4, t); }
  std::int32_t MC_CALL GetTrack() override {
    calls.push_back(10);
    return track;
  }
  void MC_CALL SetTrack(std::int32_t value) override {
    calls.push_back(11);
    track = value;
  }
  const char* MC_CALL GetGenre() override { return Get(6); }
  void MC_CALL SetGenre(const char* t) override { Set(6, t); }
  const char* MC_CALL GetComposer() override { return Get(7); }
  void MC_CALL SetComposer(const char* t) override { Set(7, t); }
  const char* MC_CALL GetCopyright() override { return Get(8); }
  void MC_CALL SetCopyright(const char* t) override { Set(8, t); }
  const char* MC_CALL GetEncodedBy() override { return Get(9); }
  void MC_CALL SetEncodedBy(const char* t) override { Set(9, t); }
  void MC_CALL Destroy() override {
    calls.push_back(20);
    destroyed = true;
  }

 private:
  const char* Get(int field) {
    calls.push_back(2 * field);
    return texts[field].c_str();
  }
  void Set(int field, const char* text) {
    calls.push_back(2 * field + 1);
    texts[field] = text;
  }
};

TEST(VtableSlots, TagFieldsGetAtEvenAndSetAtOddSlots) {
  RecordingTag tag;
  for (int field = 0; field < 10; ++field) {
    if (field == 5) {
      CallSlot<void>(&tag, 11, std::int32_t{7});
      EXPECT_EQ(CallSlot<std::int32_t>(&tag, 10), 7);
    } else {
      const std::string text = "field" + std::to_string(field);
      CallSlot<void>(&tag, 2 * field + 1, text.c_str());
      EXPECT_EQ(std::string(CallSlot<const char*>(&tag, 2 * field)), text);
    }
    EXPECT_EQ(tag.calls, (std::vector<int>{2 * field + 1, 2 * field}));
    tag.calls.clear();
  }
  CallSlot<void>(&tag, 20);
  EXPECT_TRUE(tag.destroyed);
  EXPECT_EQ(tag.texts[0], "field0");
  EXPECT_EQ(tag.texts[3], "field3");
}

}  // namespace
