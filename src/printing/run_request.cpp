#include "printing/run_request.h"

namespace vt {

RunRequest RunRequestOf(const AppState& st) {
    RunRequest run;
    if (st.DryRun == 1) {
        run.output = RunRequest::Output::Dry;
    } else if (st.PreviewMode == 1) {
        run.output = RunRequest::Output::Preview;
    }
    run.userLabels = st.UserLabelMode == 1;
    run.userLabelCount = st.UserLabelCount;
    run.startAtLabel = st.StartAtLabel;
    run.unattended = st.AutoPrint == 1;
    return run;
}

void PutRunRequest(AppState& st, const RunRequest& run) {
    st.PreviewMode = run.Preview() ? 1 : 0;
    st.DryRun = run.Dry() ? 1 : 0;
    st.UserLabelMode = run.userLabels ? 1 : 0;
    st.UserLabelCount = static_cast<Int32>(run.userLabelCount);
    st.StartAtLabel = static_cast<Int16>(run.startAtLabel);
    st.AutoPrint = run.unattended ? 1 : 0;
}

}  // namespace vt
