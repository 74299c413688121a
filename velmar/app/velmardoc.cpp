#include "velmardoc.h"

#include <new>

CVelmarDoc::~CVelmarDoc() { ReleaseMatrix(); }

void CVelmarDoc::SetVertexCount(std::int32_t n) {
  if (m_ppMatrix) ReleaseMatrix();
  m_nVertexCount = n;
}

bool CVelmarDoc::AllocateMatrix() {
  if (m_nVertexCount <= 0 || m_nVertexCount > velmar::kMaxVertexCount) {
    ReleaseMatrix();
    return false;
  }
  try {
    m_ppMatrix = std::make_unique<velmar::AdjacencyMatrix>(m_nVertexCount);
  } catch (const std::bad_alloc&) {
    ReleaseMatrix();
    return false;
  }
  return true;
}

void CVelmarDoc::CopyMatrix(const velmar::AdjacencyMatrix& source) {
  if (!m_ppMatrix || source.size() != m_nVertexCount) {
    ReleaseMatrix();
    return;
  }
  *m_ppMatrix = source;
}

bool CVelmarDoc::ReleaseMatrix() {
  m_ppMatrix.reset();
  m_nVertexCount = 0;
  return true;
}
