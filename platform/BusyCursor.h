#pragma once

// A busy indication (the wait cursor) around long work. Begin and End nest.
class IBusyCursor {
public:
  virtual ~IBusyCursor() = default;
  virtual void Begin() = 0;
  virtual void End() = 0;
};

// A busy indication that shows nothing.
class CNoBusyCursor : public IBusyCursor {
public:
  void Begin() override {}
  void End() override {}
};

// Holds the busy indication for the life of the object.
class CWaitCursor {
public:
  explicit CWaitCursor(IBusyCursor& cursor) : m_cursor(cursor) { m_cursor.Begin(); }
  ~CWaitCursor() { m_cursor.End(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
  IBusyCursor& m_cursor;
};
