// Where the inflater finds pako: the page inlines it as a global; under node (the tests)
// it comes from the system's node modules (NODE_PATH).
Module.orv5Pako = function () {
  if (typeof pako !== "undefined") return pako;
  return require("pako");
};
