#include "shadow_company_picker.h"

#include "session/company_context.h"
#include "session/session.h"

#include "lookup/mod_vant_lov.h"

#include <QCoreApplication>

namespace vant {

QStringList ListShadowCompany(Session &session, LovPresenter *presenter, const QString &parentCode,
                              const QString &searchText)
{
    ModVantLov lov(session);
    // The window orders by the search field and searches in it, so it must be a column that
    // the statement returns: the company name.
    lov.state().searchField = QStringLiteral("CompanyName");

    LovRequest request;
    request.Query = shadowCompaniesQuery(parentCode);
    // The code column is wider than 1200 twips so that its head "CompanyCode" shows whole.
    request.ColumnWidths = QStringLiteral("3000,1500");
    request.ColumnHeads = QStringList{QCoreApplication::translate("vant::ShadowCompanyPicker", "Company Name"),
                                      QCoreApplication::translate("vant::ShadowCompanyPicker", "CompanyCode")}
                              .join(QLatin1Char(','));
    request.Title = QCoreApplication::translate("vant::ShadowCompanyPicker", "Company List");
    request.SearchText = searchText;
    request.NoRecordsMessage = QCoreApplication::translate("vant::ShadowCompanyPicker", "No Records available");

    if (Status shown = lov.ShowLov(request, presenter); !shown) {
        session.ReportError(shown.error(), QString(), QStringLiteral("ListShadowCompany"), true);
        return {};
    }
    QString answer = request.Result;
    if (answer.trimmed().isEmpty())
        answer = QStringLiteral("Nothing") + kLovColumnSeparator;
    return answer.split(kLovColumnSeparator);
}

} // namespace vant
