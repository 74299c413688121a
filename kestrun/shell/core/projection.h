// The oblique projection shared by the hypercube and cube drawings: the angles
// are 3.14/18 and 3.14/4 (pi taken as 3.14), evaluated in extended precision.
#pragma once

namespace kestrun {

struct ProjectionConstants {
  double Cos10 = 0.0;
  double Sin10 = 0.0;
  double Cos45 = 0.0;
  double Sin45 = 0.0;
};

// Program-wide: written when the first window is activated, read by drawings.
extern ProjectionConstants gProjection;

// Recomputes gProjection (Cos10, Sin10, Cos45, Sin45 in that order).
void ComputeProjectionConstants();

// Nearest integer, a value exactly halfway going to the even neighbour.
int RoundHalfEven(long double value);

struct Step {
  int dx = 0;
  int dy = 0;
  friend bool operator==(const Step&, const Step&) = default;
};

// An edge of length L along the first axis: (round(L*Cos10), round(L*Sin10)).
Step FirstAxisStep(int length);
// Along the receding axis: (-round(L*Cos45), round(L*Sin45)).
Step SecondAxisStep(int length);

}  // namespace kestrun
