int from_chain = FLAG;
