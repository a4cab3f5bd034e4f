// The tests under node read real saves through ORV5_REAL_SAVES, like the native tests.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  for (const name of ["ORV5_REAL_SAVES", "GTEST_FILTER", "GTEST_COLOR"]) {
    if (process.env[name] !== undefined) ENV[name] = process.env[name];
  }
});
