// Intersections: line with line, line with circle, an endless line clipped to
// the drawing area, and the centres of a triangle. Every routine returns false
// and leaves its outputs unchanged when the figure it is given is degenerate.
#pragma once

// Line through P1 with normal N1 and line through P2 with normal N2; false if parallel.
bool SchnittGeradeGerade(float p1x, float p1y, float n1x, float n1y,
                         float p2x, float p2y, float n2x, float n2y, float& x, float& y);

// Foot of the perpendicular from P onto the line through A and B: where the line
// through A with normal Normale(B - A) meets the line through P with normal B - A.
// False if A = B.
bool Lotfusspunkt(float px, float py, float ax, float ay, float bx, float by, float& x, float& y);

// Line through P and Q with the circle about M of radius r. The first solution lies
// farther in the direction from Q to P, the second farther from P to Q; a tangent
// gives its point twice. False if P = Q or the line misses the circle.
bool SchnittGeradeKreis(float px, float py, float qx, float qy, float mx, float my, float r,
                        float& x1, float& y1, float& x2, float& y2);

// Where the line through P and Q meets the border of the square -w..w (or of the
// rectangle -wx..wx, -wy..wy). False if P = Q or a horizontal line lies outside.
bool GeradeImQuadrat(float px, float py, float qx, float qy, float w,
                     float& x1, float& y1, float& x2, float& y2);
bool GeradeImRechteck(float px, float py, float qx, float qy, float wx, float wy,
                      float& x1, float& y1, float& x2, float& y2);

// Orthocentre H, centroid S, circumcentre U and incentre I of triangle ABC.
// False for coincident or collinear vertices.
bool MerkwuerdigePunkte(float ax, float ay, float bx, float by, float cx, float cy,
                        float& hx, float& hy, float& sx, float& sy,
                        float& ux, float& uy, float& ix, float& iy);
