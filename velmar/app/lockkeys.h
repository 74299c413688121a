// Which lock keys are on, read from the window system. Where it cannot be
// read (no X display, the offscreen platform) every key reads as off.
#pragma once

struct LockKeyState {
  bool caps = false;
  bool num = false;
  bool scroll = false;
  friend bool operator==(const LockKeyState&, const LockKeyState&) = default;
};

LockKeyState ReadLockKeys();
