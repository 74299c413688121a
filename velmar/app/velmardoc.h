// The one document: the last circulant the parameters dialog built, as its
// vertex count and a private copy of its adjacency matrix. It is never
// marked as modified and keeps nothing in files.
#pragma once

#include <cstdint>
#include <memory>

#include "circulant.h"
#include "framework/document.h"

class CVelmarDoc : public velmar::Document {
 public:
  CVelmarDoc() = default;
  ~CVelmarDoc() override;

  // Releases a held matrix first, so the document never holds a matrix of a
  // different size than its count.
  void SetVertexCount(std::int32_t n);
  std::int32_t GetVertexCount() const { return m_nVertexCount; }
  // Sized by the stored count; false, and the document Empty, when the
  // storage cannot be had.
  bool AllocateMatrix();
  // Copies the held count's rows and columns; a source of another size
  // leaves the document Empty rather than half filled.
  void CopyMatrix(const velmar::AdjacencyMatrix& source);
  // Null while nothing is held.
  const velmar::AdjacencyMatrix* GetMatrix() const { return m_ppMatrix.get(); }
  bool ReleaseMatrix();

 private:
  std::int32_t m_nVertexCount = 0;
  std::unique_ptr<velmar::AdjacencyMatrix> m_ppMatrix;
};
