#pragma once
// What a recordset keeps of the connection it was opened on. The link
// outlives the connection's open period: once the connection closes, the
// session is gone and the recordset counts as closed too, as ADO closes the
// recordsets of a closed connection.
namespace ado {

class Connection;
namespace provider {
class Session;
}

struct ConnectionLink {
  Connection* connection = nullptr;
  provider::Session* session = nullptr;  // null once the connection closed
};

}  // namespace ado
