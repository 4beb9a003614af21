#pragma once
// Reading one "-Shape" or "-Texshape" block of the ".tva" format.
class Shape;
class SceneReadState;
class TokenReader;
class ReadProgress;

// Reads records up to "-endShape" (or the end of the input, which finishes
// the block the same way) and finishes the object. Returns it, or null when
// the block held no vertices, edges or faces.
Shape* readAsciiObjectBlock(TokenReader& in, SceneReadState& state, bool proxy, ReadProgress& progress);
