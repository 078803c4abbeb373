#pragma once
// The door to the window system. Logic calls it; the Qt front end implements it; tests use a
// scripted fake. Texts crossing this door are Windows-1251 bytes.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/Color.h"

namespace gx {

class Canvas;

// An off-screen picture of a fixed size: the logic draws on its canvas and reads the pixels back.
class PictureSurface {
 public:
  virtual ~PictureSurface() = default;
  virtual Canvas& GetCanvas() = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // The colour of a pixel inside the picture (24-bit, red in the low byte).
  virtual Color Pixel(int x, int y) const = 0;
};

enum class PrintOutcome : std::uint8_t { Printed, Cancelled, Failed };

// Pages to print, laid out only once the printable area of the chosen printer is known.
class PrintDocument {
 public:
  virtual ~PrintDocument() = default;
  // Lays the pages out for a printable area of page_width x page_height layout dots (0 when the
  // size is not known), measuring texts on `measure` as they will be drawn; the number of pages,
  // at least 1.
  virtual int Paginate(int page_width, int page_height, Canvas& measure) = 0;
  virtual void DrawPage(int page, Canvas& canvas) = 0;
};

// The picture controls a command may load a file into.
enum class PictureControl { RewardPicture, AdvertPicture };

// The button a confirmation box answers with when the user just presses Enter. A question whose
// OK destroys something (replacing a file) defaults to Cancel.
enum class DefaultButton : std::uint8_t { Ok, Cancel };

// The texts of a question's two buttons (Windows-1251), naming what each does; an empty text keeps
// the box's own OK or Cancel. Escape and the close box answer Cancel whatever it is named.
struct ButtonTexts {
  std::string ok;
  std::string cancel;
};

struct FileDialogRequest {
  std::string title;
  std::string folder;         // initial folder (a real path)
  std::string filter;         // as "*.gx|*.gx"
  std::string proposed_name;  // proposed file name
};

class Host {
 public:
  virtual ~Host() = default;

  // Lets the window handle pending events. Long operations call it very often (per dictionary
  // byte, per entry tried), so an implementation must make it cheap, e.g. by checking a clock.
  virtual void ProcessEvents() = 0;

  // Modal message boxes. Information: icon and OK. Confirmation: OK (true) or Cancel (false),
  // `preset` being the button Enter presses, the buttons named by `buttons`. Error: error icon,
  // titled "Gridlex", with a run-time error text.
  virtual void ShowInformation(std::string_view text) = 0;
  virtual bool Confirm(std::string_view text, DefaultButton preset, const ButtonTexts& buttons) = 0;
  bool Confirm(std::string_view text, DefaultButton preset) { return Confirm(text, preset, ButtonTexts{}); }
  virtual void ShowError(std::string_view text) = 0;

  // File dialogs: the chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest&) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest&) = 0;
  virtual std::optional<Color> ColorDialog(Color initial) = 0;

  virtual void SetWaitCursor(bool on) = 0;
  // A blocking pause; the window may keep repainting but must ignore input meanwhile.
  virtual void Pause(int milliseconds) = 0;

  // Plays a sound or film file asynchronously, stopping the one before. False when it cannot be opened.
  virtual bool PlayMedia(const std::string& path) = 0;
  // Loads a picture file into a picture control. When the file cannot be read the implementation
  // reports it in an error box and returns false; the control keeps its old picture.
  virtual bool LoadPicture(PictureControl control, const std::string& path) = 0;
  // Opens a document with the desktop's default program.
  virtual void OpenDocument(const std::string& path) = 0;

  // An off-screen picture with fonts, or nothing when none can be made.
  virtual std::unique_ptr<PictureSurface> CreatePicture(int width, int height) = 0;
  // Shows the print dialog; when the user confirms, the document is laid out for the printable
  // area and drawn page by page on a canvas in dots of `layout_dpi` (the resolution measured at
  // start), scaled to the real resolution of the printer chosen. On Failed, `error` holds the
  // text for the error box.
  virtual PrintOutcome PrintPages(PrintDocument& document, int layout_dpi, std::string& error) = 0;
};

// A host that does nothing: batch runs, benchmarks, and the base of test hosts. Every question
// is answered as a user pressing Cancel would; every picture and sound "plays".
class NullHost : public Host {
 public:
  void ProcessEvents() override {}
  void ShowInformation(std::string_view) override {}
  using Host::Confirm;
  bool Confirm(std::string_view, DefaultButton, const ButtonTexts&) override { return false; }
  void ShowError(std::string_view) override {}
  std::optional<std::string> OpenFileDialog(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<Color> ColorDialog(Color initial) override { return initial; }
  void SetWaitCursor(bool) override {}
  void Pause(int) override {}
  bool PlayMedia(const std::string&) override { return true; }
  bool LoadPicture(PictureControl, const std::string&) override { return true; }
  void OpenDocument(const std::string&) override {}
  std::unique_ptr<PictureSurface> CreatePicture(int, int) override { return nullptr; }
  PrintOutcome PrintPages(PrintDocument&, int, std::string&) override { return PrintOutcome::Cancelled; }
};

}  // namespace gx
